// The main dialog as the program creates it: tabs, pages and their place, the keys that must
// not close it, help and the options font. (The first page and the title are seen from outside
// in options_program_test.)
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "engine/registry/registry_access.h"
#include "options/base_tab_ids.h"
#include "options/page_general_ids.h"
#include "tests/options/options_harness_win32.h"

namespace zembrik::testing {
namespace {

class OptionsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { resetSettings(); }
  void TearDown() override { resetSettings(); }
};

std::wstring headerText(HWND tabs, int index) {
  wchar_t text[64] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return text;
}

bool shownAndEnabled(HWND window) {
  return IsWindowVisible(window) != FALSE && IsWindowEnabled(window) != FALSE;
}

TEST_F(OptionsDialogTest, SixHeadersInOrderAndOnlyTheFirstPageShown) {
  OptionsHarness options;
  const HWND tabs = options.dialog().tabControl();
  ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 6);
  const wchar_t* expected[] = {L"General", L"Customization", L"Clock",
                               L"Alarms",  L"Time Zones",    L"PerfMeter"};
  const int templates[] = {107, 132, 108, 133, 110, 109};
  for (int index = 0; index < 6; ++index) {
    SCOPED_TRACE(index);
    EXPECT_EQ(headerText(tabs, index), expected[index]);
    EXPECT_EQ(options.dialog().page(index).templateId(), templates[index]);
    EXPECT_EQ(shownAndEnabled(options.page(index)), index == 0);
    // Siblings of the tab control, so that Tab goes into the page and back to the headers.
    EXPECT_EQ(GetParent(options.page(index)), options.window());
  }
  wchar_t className[64] = {};
  GetClassNameW(options.window(), className, 64);
  EXPECT_STREQ(className, L"ZembrikOptionsByOBR");
  EXPECT_TRUE(GetWindowLongW(options.window(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  wchar_t about[64] = {};
  GetMenuStringW(GetSystemMenu(options.window(), FALSE), 16, about, 64, MF_BYCOMMAND);
  EXPECT_STREQ(about, L"&About opt...");
}

TEST_F(OptionsDialogTest,
       PageSwitchShowsOnlyTheChosenPageAndOnlyClockAndPerfMeterHaveTheSetCombos) {
  OptionsHarness options;
  for (std::size_t chosen : {kClockPage, kPerfMeterPage, kAlarmsPage, kGeneralPage}) {
    SCOPED_TRACE(chosen);
    options.showPage(chosen);
    EXPECT_EQ(options.dialog().visiblePage(), chosen);
    for (std::size_t index = 0; index < 6; ++index)
      EXPECT_EQ(shownAndEnabled(options.page(index)), index == chosen) << index;
  }
  for (std::size_t index = 0; index < 6; ++index) {
    const bool framework = index == kClockPage || index == kPerfMeterPage;
    for (int id : {IDC_CLOCK_SET_COMBO, IDC_CLOCK_SET_LABEL, IDC_MONITOR_COMBO})
      EXPECT_EQ(options.control(index, id) != nullptr, framework) << index << " " << id;
  }
}

TEST_F(OptionsDialogTest, PageLiesBelowTheFirstHeaderInsideTheTabControl) {
  OptionsHarness options;
  RECT header{};
  SendMessageW(options.dialog().tabControl(), TCM_GETITEMRECT, 0,
               reinterpret_cast<LPARAM>(&header));
  MapWindowPoints(options.dialog().tabControl(), nullptr, reinterpret_cast<POINT*>(&header), 2);
  RECT tabs{};
  GetWindowRect(options.dialog().tabControl(), &tabs);
  for (std::size_t index = 0; index < 6; ++index) {
    RECT page{};
    GetWindowRect(options.page(index), &page);
    EXPECT_EQ(page.left, header.left + 4) << index;
    EXPECT_EQ(page.top, header.bottom + 6) << index;
    EXPECT_LE(page.right, tabs.right) << index;
    EXPECT_LE(page.bottom, tabs.bottom) << index;
  }
}

TEST_F(OptionsDialogTest, EnterAndEscapeLeaveTheWindowOpenWhileCloseEndsIt) {
  OptionsHarness options;
  options.showPage(kClockPage);
  for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    PostMessageW(options.dialog().tabControl(), WM_KEYDOWN, key, 0);
    PostMessageW(options.dialog().tabControl(), WM_KEYUP, key, 0);
    options.pumpMessages(50);
    EXPECT_TRUE(IsWindow(options.window())) << key;
  }
  // A command or timer that merely carries 13 or 27 still reaches its window.
  PostMessageW(options.window(), WM_COMMAND, IDOK, 0);
  PostMessageW(options.window(), WM_COMMAND, IDCANCEL, 0);
  options.pumpMessages(50);
  EXPECT_TRUE(IsWindow(options.window()));

  SendMessageW(options.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  options.pumpMessages(50);
  EXPECT_FALSE(IsWindow(options.dialog().page(kClockPage).window()));
}

TEST_F(OptionsDialogTest, HelpOpensTheFileBesideTheProgramOnlyWhenItExists) {
  OptionsHarness options;
  const std::wstring path = options.context().programDirectory + L"Zembrik.html";
  DeleteFileW(path.c_str());
  SendMessageW(options.window(), WM_HELP, 0, 0);
  EXPECT_TRUE(options.ui().log().empty());

  std::ofstream(path.c_str()) << "<html></html>";
  SendMessageW(options.window(), WM_HELP, 0, 0);
  DeleteFileW(path.c_str());
  ASSERT_EQ(options.ui().log().size(), 1u);
  EXPECT_EQ(options.ui().log()[0].kind, InteractionKind::OpenDocument);
  EXPECT_EQ(options.ui().log()[0].text, L"file://" + path);
}

LOGFONTW dialogFont(HWND window) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font;
}

TEST_F(OptionsDialogTest, OptionsFontReplacesTheFontOfTheDialogAndEveryPage) {
  OptionsHarness plain;
  const LONG templateHeight = dialogFont(plain.window()).lfHeight;
  OptionsHarness large({L"", OptionsFont{u"Tahoma", 12}});
  for (HWND window : {large.window(), large.page(kGeneralPage), large.page(kPerfMeterPage)}) {
    const auto font = dialogFont(window);
    EXPECT_STREQ(font.lfFaceName, L"Tahoma");
    EXPECT_GT(std::abs(font.lfHeight), std::abs(templateHeight));
  }
  RECT plainFrame{}, largeFrame{};
  GetWindowRect(plain.window(), &plainFrame);
  GetWindowRect(large.window(), &largeFrame);
  EXPECT_GT(largeFrame.right - largeFrame.left, plainFrame.right - plainFrame.left);
}

// Two dialogs in one process: each has its own clock-set state and keys, so the second one's
// opening and closing leave the first one's pages refreshing, reading and writing.
TEST_F(OptionsDialogTest, ADialogKeepsItsKeysWhileAnotherOpensAndCloses) {
  OptionsHarness first;
  const HWND general = first.page(kGeneralPage);
  const auto stored = [](std::u16string_view set, std::u16string_view name) {
    auto settings = openTestSettings();
    OpenedKey key = set.empty() ? OpenedKey{RegStatus::Ok, std::move(settings)}
                                : settings->openSubkey(set, kKeyRead);
    return key ? readNumber(*key.key, name) : std::nullopt;
  };
  {
    OptionsHarness second;
    // A tick of the first dialog's refresh timer, then edits of a shared and a per-set value.
    SendMessageW(general, WM_TIMER, C_BaseTab::kRefreshTimerId, 0);
    first.click(kGeneralPage, IDC_WEEK_STARTS_MONDAY);
    first.click(kGeneralPage, IDC_FLAT_TRAY);
    EXPECT_EQ(stored(u"", u"weekMo"), 0u);
    EXPECT_EQ(stored(u"horizontal", u"FlatTray"), 1u);
  }
  SendMessageW(general, WM_TIMER, C_BaseTab::kRefreshTimerId, 0);
  first.click(kGeneralPage, IDC_WEEK_STARTS_MONDAY);
  first.click(kGeneralPage, IDC_FLAT_TRAY);
  EXPECT_EQ(stored(u"", u"weekMo"), 1u);
  EXPECT_EQ(stored(u"horizontal", u"FlatTray"), 0u);
  EXPECT_TRUE(first.ui().log().empty()) << "no error was shown";
}

}  // namespace
}  // namespace zembrik::testing

namespace zembrik::testing {
namespace {

std::uint64_t ownProcessorMicroseconds() {
  FILETIME created{}, ended{}, kernel{}, user{};
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  const auto ticks = [](const FILETIME& time) {
    return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
  };
  return (ticks(kernel) + ticks(user)) / 10;
}

// A measurement, not a test (--gtest_also_run_disabled_tests): the processor time of one
// refresh of timer 357 on each page, and of 10 s of the dialog's loop with the timer running.
TEST_F(OptionsDialogTest, DISABLED_MeasureRefreshProcessorTime) {
  OptionsHarness options;
  for (std::size_t index : {kGeneralPage, kClockPage, kPerfMeterPage}) {
    options.showPage(index);
    constexpr int kRefreshes = 200;
    const auto before = ownProcessorMicroseconds();
    for (int i = 0; i < kRefreshes; ++i)
      SendMessageW(options.page(index), WM_TIMER, C_BaseTab::kRefreshTimerId, 0);
    const auto perRefresh = (ownProcessorMicroseconds() - before) / kRefreshes;
    std::printf("page %zu: %llu us of processor time per refresh\n", index,
                static_cast<unsigned long long>(perRefresh));
  }
  const auto before = ownProcessorMicroseconds();
  options.pumpMessages(10000);
  std::printf("10 s of the loop on the PerfMeter page: %llu us\n",
              static_cast<unsigned long long>(ownProcessorMicroseconds() - before));
}

}  // namespace
}  // namespace zembrik::testing
