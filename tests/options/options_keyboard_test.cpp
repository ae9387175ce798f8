// The main dialog under real key input: Tab walks the headers and every control of the visible
// page and comes back, Ctrl+Tab and Ctrl+PageDown switch pages, Enter and Escape keep the window.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "tests/options/options_harness_win32.h"

namespace zembrik::testing {
namespace {

struct Modifiers {
  bool control = false;
  bool shift = false;
  bool alt = false;
};

INPUT keyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// Presses and releases `key` with the modifiers held, as the keyboard would.
void press(OptionsHarness& options, WORD key, Modifiers held = {}) {
  std::vector<WORD> modifiers;
  if (held.control)
    modifiers.push_back(VK_CONTROL);
  if (held.shift)
    modifiers.push_back(VK_SHIFT);
  if (held.alt)
    modifiers.push_back(VK_MENU);
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(keyInput(modifier, false));
  inputs.push_back(keyInput(key, false));
  inputs.push_back(keyInput(key, true));
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
    inputs.push_back(keyInput(*it, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  options.pumpMessages(60);
}

bool isComboBox(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return std::wstring(name) == L"ComboBox";
}

// The controls Tab should reach on a page, in reading (z) order.
std::vector<HWND> tabStops(HWND page) {
  std::vector<HWND> stops;
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(child) &&
        IsWindowEnabled(child))
      stops.push_back(child);
  }
  return stops;
}

// Where the focus goes under `count` presses of Tab (or Shift+Tab), one entry per press.
std::vector<HWND> walk(OptionsHarness& options, std::size_t count, bool backwards) {
  std::vector<HWND> visited;
  for (std::size_t i = 0; i < count; ++i) {
    press(options, VK_TAB, {.shift = backwards});
    // An editable combo box gives the focus to the edit field inside it: count the combo.
    HWND focus = GetFocus();
    if (HWND parent = GetParent(focus); parent && isComboBox(parent))
      focus = parent;
    visited.push_back(focus);
  }
  return visited;
}

class OptionsKeyboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetSettings();
    options = std::make_unique<OptionsHarness>();
    SetForegroundWindow(options->window());
    options->pumpMessages(100);
  }
  void TearDown() override {
    options.reset();
    resetSettings();
  }
  void focusHeaders() {
    SetFocus(options->dialog().tabControl());
    options->pumpMessages(20);
  }
  std::unique_ptr<OptionsHarness> options;
};

TEST_F(OptionsKeyboardTest, TabVisitsEveryControlOfTheVisiblePageAndReturnsToTheHeaders) {
  const HWND headers = options->dialog().tabControl();
  for (std::size_t index = 0; index < 6; ++index) {
    SCOPED_TRACE(index);
    options->showPage(index);
    const auto stops = tabStops(options->page(index));
    if (index == kClockPage) {  // at least the clock-set or monitor combo
      EXPECT_GE(stops.size(), 1u);
    }

    focusHeaders();
    auto expected = stops;
    expected.push_back(headers);
    EXPECT_EQ(walk(*options, expected.size(), false), expected);

    focusHeaders();
    std::vector<HWND> reversed(stops.rbegin(), stops.rend());
    reversed.push_back(headers);
    EXPECT_EQ(walk(*options, reversed.size(), true), reversed);
  }
}

TEST_F(OptionsKeyboardTest, ControlTabAndControlPageKeysSwitchPagesBothWays) {
  const struct {
    WORD key;
    Modifiers held;
    std::size_t from, to;
  } cases[] = {
      {VK_TAB, {.control = true}, kClockPage, kAlarmsPage},
      {VK_TAB, {.control = true, .shift = true}, kAlarmsPage, kClockPage},
      {VK_NEXT, {.control = true}, kPerfMeterPage, kGeneralPage},
      {VK_PRIOR, {.control = true}, kGeneralPage, kPerfMeterPage},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.to);
    options->showPage(each.from);
    focusHeaders();
    press(*options, each.key, each.held);
    EXPECT_EQ(options->dialog().visiblePage(), each.to);
    EXPECT_EQ(SendMessageW(options->dialog().tabControl(), TCM_GETCURSEL, 0, 0),
              static_cast<LRESULT>(each.to));
    EXPECT_TRUE(IsWindowVisible(options->page(each.to)));
    EXPECT_FALSE(IsWindowVisible(options->page(each.from)));
  }
}

TEST_F(OptionsKeyboardTest, EnterAndEscapeKeepTheWindowAndAltF4ClosesIt) {
  options->showPage(kClockPage);
  for (const WORD key : {WORD{VK_RETURN}, WORD{VK_ESCAPE}}) {
    focusHeaders();
    press(*options, key);
    EXPECT_TRUE(IsWindowVisible(options->window())) << key;
    const auto stops = tabStops(options->page(kClockPage));
    if (!stops.empty()) {  // also with the focus inside the page
      SetFocus(stops.front());
      press(*options, key);
      EXPECT_TRUE(IsWindowVisible(options->window())) << key;
    }
  }
  focusHeaders();
  press(*options, VK_F4, {.alt = true});
  EXPECT_FALSE(IsWindow(options->dialog().tabControl()));
}

TEST_F(OptionsKeyboardTest, F1OpensTheHelpFileBesideTheProgram) {
  const std::wstring path = options->context().programDirectory + L"Zembrik.html";
  std::ofstream(path.c_str()) << "<html></html>";
  options->showPage(kClockPage);
  focusHeaders();
  press(*options, VK_F1);
  DeleteFileW(path.c_str());
  ASSERT_EQ(options->ui().log().size(), 1u);
  EXPECT_EQ(options->ui().log()[0].text, L"file://" + path);
}

}  // namespace
}  // namespace zembrik::testing
