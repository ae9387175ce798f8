// The clock-set combos of the real Clock page under Wine, with the stand-in taskbar: what the
// user sees in 1100, 1025 and 1102, what a choice writes and whom it tells.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"
#include "options/base_tab_ids.h"
#include "tests/hook/hook_test_driver.h"
#include "tests/options/host_double_win32.h"
#include "tests/options/options_harness_win32.h"

namespace zembrik::testing {
namespace {

std::vector<std::wstring> comboTexts(HWND combo) {
  std::vector<std::wstring> texts;
  const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)), L'\0');
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    texts.push_back(text);
  }
  return texts;
}

int indexOf(HWND combo, const std::wstring& text) {
  return static_cast<int>(SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str())));
}

// Counts what changes a combo's or label's contents, seen in the control's own procedure.
class ContentChanges {
 public:
  explicit ContentChanges(std::vector<HWND> controls) {
    for (HWND control : controls)
      SetWindowSubclass(control, &procedure, 1, reinterpret_cast<DWORD_PTR>(&changes_));
    controls_ = std::move(controls);
  }
  ~ContentChanges() {
    for (HWND control : controls_) RemoveWindowSubclass(control, &procedure, 1);
  }
  int changes() const { return changes_; }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR counter) {
    if (message == CB_RESETCONTENT || message == CB_INSERTSTRING || message == CB_ADDSTRING ||
        message == CB_SETCURSEL || message == WM_SETTEXT)
      ++*reinterpret_cast<int*>(counter);
    return DefSubclassProc(window, message, wParam, lParam);
  }
  std::vector<HWND> controls_;
  int changes_ = 0;
};

class ClockSetCombos : public ::testing::Test {
 protected:
  void SetUp() override { resetSettings(); }
  void TearDown() override { resetSettings(); }

  void running(const StandinTaskbar& bar, int clock) {
    auto self = openTestSettings()->createSubkey(u"this", kKeyReadWrite, KeyLifetime::Volatile);
    ASSERT_TRUE(self);
    const std::u16string n = clock == 1 ? u"1" : u"2";
    writeNumber(*self.key, u"hwndLo_" + n, HandleToULong(bar.clock(clock)));
    writeNumber(*self.key, u"hwndHi_" + n, 0);
  }
};

TEST_F(ClockSetCombos, ListRunningAndStoredSetsAndStayUntouchedWhileIdle) {
  StandinTaskbar bar(L"--secondary=0,0,600,30 --secondary=600,0,1200,30");
  ASSERT_TRUE(bar.running());
  running(bar, 1);
  running(bar, 2);
  openTestSettings()->createSubkey(u"vertical_3", kKeyReadWrite, KeyLifetime::Persistent);

  OptionsHarness options;
  options.showPage(kClockPage);
  const HWND combo = options.control(kClockPage, IDC_CLOCK_SET_COMBO);
  EXPECT_TRUE(IsWindowVisible(combo));
  EXPECT_FALSE(IsWindowVisible(options.control(kClockPage, IDC_CLOCK_SET_LABEL)));
  EXPECT_EQ(
      comboTexts(combo),
      (std::vector<std::wstring>{
          L"Primary Clock Horizontal Settings", L"Primary Clock Vertical Settings",
          L"Secondary Clock (3) Vertical Settings", L"Secondary Clock (2) Vertical Settings",
          L"Secondary Clock (1) Vertical Settings", L"Secondary Clock (1) Horizontal Settings",
          L"Secondary Clock (2) Horizontal Settings"}));
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(comboTexts(options.control(kClockPage, IDC_MONITOR_COMBO)),
            (std::vector<std::wstring>{L"Any monitor", L"Use special settings for Default_Monitor",
                                       L"Use special settings for 1280x800_96"}));

  // Two and a half seconds of timer 357: nothing in the combos or the label is redone.
  ContentChanges watched({combo, options.control(kClockPage, IDC_MONITOR_COMBO),
                          options.control(kClockPage, IDC_CLOCK_SET_LABEL)});
  options.pumpMessages(2500);
  EXPECT_EQ(watched.changes(), 0);

  // The user's choice of a secondary set sticks across refreshes.
  options.selectComboItem(kClockPage, IDC_CLOCK_SET_COMBO,
                          indexOf(combo, L"Secondary Clock (1) Horizontal Settings"));
  options.pumpMessages(1200);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 5);
}

TEST_F(ClockSetCombos, WithoutSecondarySetsTheLabelNamesTheTaskbar) {
  StandinTaskbar bar(L"--edge=left");
  ASSERT_TRUE(bar.running());
  OptionsHarness options;
  options.showPage(kPerfMeterPage);
  EXPECT_FALSE(IsWindowVisible(options.control(kPerfMeterPage, IDC_CLOCK_SET_COMBO)));
  const HWND label = options.control(kPerfMeterPage, IDC_CLOCK_SET_LABEL);
  EXPECT_TRUE(IsWindowVisible(label));
  EXPECT_EQ(windowText(label), L"Vertical TaskBar");
  EXPECT_TRUE(options.ui().log().empty());
}

TEST_F(ClockSetCombos, AMonitorChoiceCreatesTheVariantAndTellsTheHostAndTheClock) {
  StandinTaskbar bar;
  ASSERT_TRUE(bar.running());
  HostDouble host;
  OptionsHarness options;
  options.showPage(kClockPage);
  const HWND monitor = options.control(kClockPage, IDC_MONITOR_COMBO);
  ASSERT_TRUE(bar.resetClockMessageCounts());
  host.clear();

  options.selectComboItem(kClockPage, IDC_MONITOR_COMBO,
                          indexOf(monitor, L"Use special settings for 1280x800_96"));
  options.pumpMessages(300);
  EXPECT_TRUE(openTestSettings()->openSubkey(u"horizontal\\size_1280x800_96", kKeyRead));
  EXPECT_EQ(comboTexts(monitor),
            (std::vector<std::wstring>{L"Special settings for 1280x800_96",
                                       L"Use special settings for Default_Monitor",
                                       L"Do not use special settings for 1280x800_96"}));
  EXPECT_EQ(SendMessageW(monitor, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(host.count(MSG_RELOAD), 1u);
  EXPECT_EQ(bar.clockMessageCount(0, MSG_RELOAD), 1);
}

}  // namespace
}  // namespace zembrik::testing
