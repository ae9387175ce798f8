// The General page in the real dialog: what fresh settings show, the writes of a scripted
// session, start at logon, the calendar's "today" box and the options font's restart.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "options/page_general_ids.h"
#include "options/page_general_win32.h"
#include "tests/options/host_double_win32.h"
#include "tests/options/page_form_test_support.h"

namespace zembrik::testing {
namespace {

constexpr std::u16string_view kRunPath = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class GeneralPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetSettings();
    removeRunValue();
  }
  void TearDown() override {
    resetSettings();
    removeRunValue();
  }
  static void removeRunValue() {
    auto root = openCurrentUserRoot();
    if (OpenedKey run = root->openSubkey(kRunPath, kKeyReadWrite))
      run.key->deleteValue(u"ZembrikTest");
  }
  static std::optional<std::u16string> runValue() {
    auto root = openCurrentUserRoot();
    OpenedKey run = root->openSubkey(kRunPath, kKeyRead);
    return run ? readText(*run.key, u"ZembrikTest") : std::nullopt;
  }
  HWND item(OptionsHarness& options, int id) { return options.control(kGeneralPage, id); }
};

TEST_F(GeneralPageTest, FreshSettingsShowDefaultsAndASessionWritesExactlyItsValues) {
  HostDouble host;
  OptionsHarness options;
  EXPECT_TRUE(checked(item(options, IDC_RESTART_WITH_EXPLORER)));
  EXPECT_TRUE(checked(item(options, IDC_WEEK_STARTS_MONDAY)));
  EXPECT_TRUE(checked(item(options, IDC_CALENDAR_ON_TOP)));
  EXPECT_EQ(windowText(item(options, IDC_WEEKDAY_PLACE)), L"top");
  EXPECT_EQ(windowText(item(options, IDC_WEEK_NUMBER_PLACE)), L"left");
  EXPECT_EQ(windowText(item(options, IDC_CALENDAR_TODAY)), L"Calendar opens \"today\" always");
  EXPECT_FALSE(IsWindowEnabled(item(options, IDC_AUTO_START)));  // no ZembrikName
  options.pumpMessages();
  EXPECT_EQ(storedValues(), (Values{{"version", "dword:16788736"}})) << "nothing written yet";
  EXPECT_EQ(host.count(MSG_RELOAD), 0u);

  options.selectComboItem(kGeneralPage, IDC_WEEKDAY_PLACE, 2);      // bottom
  options.selectComboItem(kGeneralPage, IDC_WEEK_NUMBER_PLACE, 3);  // both
  options.click(kGeneralPage, IDC_WEEK_STARTS_MONDAY);
  options.setText(kGeneralPage, IDC_CUSTOM_TOOLTIP, L"%H:%M");
  options.click(kGeneralPage, IDC_HIDE_SHOW_DESKTOP);  // needs a restart: no reload
  options.pumpMessages();
  EXPECT_EQ(storedValues(), (Values{{"version", "dword:16788736"},
                                    {"CalendarWeeks", "dword:14"},
                                    {"restart", "dword:1"},
                                    {"weekMo", "dword:0"},
                                    {"topCalendar", "dword:1"},
                                    {"CustomTooltip", "sz:%H:%M"},
                                    {"hideShowDesktop", "dword:1"}}));
  EXPECT_EQ(host.count(MSG_RELOAD), 4u);
}

TEST_F(GeneralPageTest, AutoStartWritesAndRemovesTheRunValueAtOnce) {
  {
    auto settings = openTestSettings();
    writeText(*settings, u"ZembrikName", u"ZembrikTest");
    writeText(*settings, u"ZembrikPath", u"\"C:\\Zembrik\\Zembrik64.exe\"");
  }
  OptionsHarness options;
  ASSERT_TRUE(IsWindowEnabled(item(options, IDC_AUTO_START)));
  options.click(kGeneralPage, IDC_AUTO_START);
  EXPECT_EQ(runValue(), u"\"C:\\Zembrik\\Zembrik64.exe\"");
  options.click(kGeneralPage, IDC_AUTO_START);
  EXPECT_EQ(runValue(), std::nullopt);
}

TEST_F(GeneralPageTest, TodayBoxOffersTheKeptTimeAndShowsIt) {
  writeNumber(*openTestSettings(), u"TodayCalendar", 0x80002710u);
  OptionsHarness options;
  auto& page = dynamic_cast<CTabMain&>(options.dialog().page(kGeneralPage));
  EXPECT_FALSE(checked(item(options, IDC_CALENDAR_TODAY)));
  std::uint32_t offered = 0;
  page.setTimeoutPrompt([&](HWND, std::uint32_t t) -> std::optional<std::uint32_t> {
    offered = t;
    return t;
  });
  options.click(kGeneralPage, IDC_CALENDAR_TODAY);
  EXPECT_EQ(offered, 10000u);
  EXPECT_TRUE(checked(item(options, IDC_CALENDAR_TODAY)));
  EXPECT_EQ(storedValues().at("TodayCalendar"), "dword:10000");
  EXPECT_EQ(windowText(item(options, IDC_CALENDAR_TODAY)),
            L"Calendar opens \"today\" if closed for more than 10 sec");

  page.setTimeoutPrompt([](HWND, std::uint32_t) { return std::optional<std::uint32_t>(); });
  options.click(kGeneralPage, IDC_CALENDAR_TODAY);  // unchecked: the time is kept
  EXPECT_EQ(storedValues().at("TodayCalendar"), "dword:2147493648");
  options.click(kGeneralPage, IDC_CALENDAR_TODAY);  // checked, then cancelled
  EXPECT_FALSE(checked(item(options, IDC_CALENDAR_TODAY)));
  EXPECT_EQ(storedValues().at("TodayCalendar"), "dword:2147493648");
}

TEST_F(GeneralPageTest, OldSystemAndThemedTaskbarDisableTheirBoxes) {
  auto root = openCurrentUserRoot();
  auto self = createKeyWithPersistentParents(*root, u"Software\\OBR\\Zembrik\\this", kKeyReadWrite,
                                             KeyLifetime::Volatile);
  writeNumber(*self.key, u"isXPtheme", 1);
  HarnessOptions old;
  old.oldSystem = true;
  OptionsHarness options(old);
  EXPECT_FALSE(IsWindowEnabled(item(options, IDC_HIDE_SHOW_DESKTOP)));
  EXPECT_FALSE(IsWindowEnabled(item(options, IDC_FLAT_TRAY)));
}

LOGFONTW fontNamed(const wchar_t* face) {
  LOGFONTW font{};
  font.lfWeight = FW_BOLD;
  lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  return font;
}

TEST_F(GeneralPageTest, SameOptionsFontWritesNothingAnotherRestartsTheProgram) {
  writeText(*openTestSettings(), u"OptionsFont", u"10,400,,:Arial");
  HarnessOptions withFont;
  withFont.font = OptionsFont{u"Arial", 10};
  OptionsHarness options(withFont);
  options.ui().answerFont(fontNamed(L"Arial"), 100);
  options.click(kGeneralPage, IDC_OPTIONS_FONT_BUTTON);
  options.pumpMessages();
  EXPECT_EQ(storedValues().at("OptionsFont"), "sz:10,400,,:Arial");
  EXPECT_TRUE(IsWindow(options.window()));

  options.ui().answerFont(fontNamed(L"Tahoma"), 120);
  options.ui().answerStartProgram(false);
  options.click(kGeneralPage, IDC_OPTIONS_FONT_BUTTON);
  EXPECT_EQ(storedValues().at("OptionsFont"), "sz:12,400,:Tahoma");
  const auto& log = options.ui().log();
  ASSERT_GE(log.size(), 2u);
  const InteractionRecord& start = log[log.size() - 2];
  EXPECT_EQ(start.kind, InteractionKind::StartProgram);
  EXPECT_NE(start.text.find(L"***"), std::wstring::npos) << start.text;
  EXPECT_EQ(log.back().text, L"Please restart options!");
  EXPECT_EQ(log.back().caption, L"Warning");
  options.pumpMessages(100);
  EXPECT_FALSE(IsWindow(options.window())) << "the window ends";
}

}  // namespace
}  // namespace zembrik::testing
