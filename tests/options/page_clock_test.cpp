// The Clock page in the real main dialog under Wine: what it shows for a set without a layout,
// and a scripted editing session whose result is read back from the registry.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/registry/registry_access.h"
#include "grid/grid_messages.h"
#include "options/base_tab_ids.h"
#include "options/page_clock_ids.h"
#include "tests/options/host_double_win32.h"
#include "tests/options/options_harness_win32.h"

namespace zembrik::testing {
namespace {

class PageClockTest : public ::testing::Test {
 protected:
  void SetUp() override { resetSettings(); }
  void TearDown() override { resetSettings(); }

  std::unique_ptr<RegistryKey> horizontal() {
    return openTestSettings()->openSubkey(u"horizontal", kKeyReadWrite).key;
  }
  std::wstring gridText(HWND grid, int row, int column) {
    wchar_t text[128] = {};
    grid::gridGetText(grid, row, column, text, 128);
    return text;
  }
  void clickCell(HWND grid, int row, int column) {
    SendMessageW(grid, grid::GRIDM_CLICKCELL, grid::gridCell(row, column), 0);
  }
  bool visible(OptionsHarness& options, int id) {
    return IsWindowVisible(options.control(kClockPage, id)) != FALSE;
  }
};

TEST_F(PageClockTest, ASetWithoutLayoutIsGivenOneAndThePageShowsIt) {
  OptionsHarness options;
  options.showPage(kClockPage);
  auto set = horizontal();
  ASSERT_TRUE(set);
  // No taskbar under Wine: the low horizontal default, written at once.
  EXPECT_EQ(readNumber(*set, u"nColumns"), 1u);
  EXPECT_EQ(readNumber(*set, u"nRows"), 1u);
  EXPECT_EQ(readText(*set, u"cell_0_0"), u",,6,4,,,:HH:mm");
  EXPECT_EQ(readText(*set, u"font_0_0"), u"12,700,:Arial");

  HWND grid = options.control(kClockPage, IDC_CLOCK_GRID);
  EXPECT_EQ(gridText(grid, 0, 1), L"col 0");
  EXPECT_EQ(gridText(grid, 1, 0), L"row 0");
  EXPECT_EQ(gridText(grid, 1, 1), L"HH:mm");

  HWND help = options.control(kClockPage, IDC_FORMAT_HELP);
  EXPECT_EQ(SendMessageW(help, LB_GETCOUNT, 0, 0), 52);
  EXPECT_GT(SendMessageW(help, LB_GETHORIZONTALEXTENT, 0, 0), 200);
  wchar_t item[64] = {};
  SendMessageW(options.control(kClockPage, IDC_CELL_RESET), CB_GETLBTEXT, 3,
               reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, L"reset X&Y");

  // The cell's fields appear with a selected cell; the unshown boxes never do.
  EXPECT_FALSE(visible(options, IDC_CELL_TEXT));
  clickCell(grid, 1, 1);
  EXPECT_TRUE(visible(options, IDC_CELL_TEXT));
  EXPECT_TRUE(visible(options, IDC_CELL_RANK));
  EXPECT_FALSE(visible(options, IDC_CELL_RIGHT_SEPARATOR));
  EXPECT_FALSE(visible(options, IDC_CELL_SEPARATOR_FULL_SIZE));
  EXPECT_EQ(windowText(options.control(kClockPage, IDC_CELL_TEXT)), L"HH:mm");
  EXPECT_EQ(windowText(options.control(kClockPage, IDC_CELL_FONT_DESCRIPTION)),
            L"Arial, size 12, bold");
  EXPECT_FALSE(IsWindowEnabled(options.control(kClockPage, IDC_DELETE_COLUMN)));
}

TEST_F(PageClockTest, AScriptedSessionLeavesExactlyTheExpectedValues) {
  OptionsHarness options;
  options.showPage(kClockPage);
  HWND grid = options.control(kClockPage, IDC_CLOCK_GRID);
  clickCell(grid, 1, 1);
  options.setText(kClockPage, IDC_CELL_TEXT, L"HH:mm:ss");
  options.setText(kClockPage, IDC_CELL_ABOVE, L"-");
  EXPECT_FALSE(windowText(options.control(kClockPage, IDC_CELL_HINT)).empty());
  options.setText(kClockPage, IDC_CELL_ABOVE, L"-5");
  EXPECT_TRUE(windowText(options.control(kClockPage, IDC_CELL_HINT)).empty());
  options.setText(kClockPage, IDC_CELL_RANK, L"150");
  EXPECT_EQ(windowText(options.control(kClockPage, IDC_CELL_RANK)), L"100");

  LOGFONTW font{};
  wcscpy(font.lfFaceName, L"Liberation Sans");
  font.lfWeight = FW_BOLD;
  options.ui().answerFont(font, 140);
  options.click(kClockPage, IDC_CELL_FONT);
  EXPECT_EQ(windowText(options.control(kClockPage, IDC_CELL_FONT_DESCRIPTION)),
            L"Liberation Sans, size 14, bold");

  options.click(kClockPage, IDC_CELL_COLOR);  // on: white
  options.ui().answerColour(RGB(0x12, 0x34, 0x56));
  options.click(kClockPage, IDC_CELL_COLOR_CHOOSE);
  options.click(kClockPage, IDC_CELL_COLOR);  // off: kept aside
  EXPECT_EQ(windowText(options.control(kClockPage, IDC_CELL_COLOR_VALUE)), L"0x563412");
  options.click(kClockPage, IDC_CELL_COLOR);  // on again: restored

  clickCell(grid, 0, 1);  // the column header
  options.click(kClockPage, IDC_INSERT_COLUMN_AFTER);
  clickCell(grid, 1, 0);  // the row header
  options.click(kClockPage, IDC_INSERT_ROW_BELOW);
  clickCell(grid, 2, 0);
  options.ui().answerMessageBox(IDOK);
  options.click(kClockPage, IDC_DELETE_ROW);

  auto set = horizontal();
  ASSERT_TRUE(set);
  EXPECT_EQ(readNumber(*set, u"nColumns"), 2u);
  EXPECT_EQ(readNumber(*set, u"nRows"), 1u);
  EXPECT_EQ(readText(*set, u"cell_0_0"), u",,6,4,-5,,,,,,100:HH:mm:ss");
  EXPECT_EQ(readText(*set, u"font_0_0"), u"14,700,,:Liberation Sans");
  EXPECT_EQ(readNumber(*set, u"color_0_0"), 0x563412u);
  EXPECT_FALSE(readNumber(*set, u"_color_0_0"));
  EXPECT_FALSE(readText(*set, u"cell_0_1"));
  EXPECT_FALSE(readText(*set, u"cell_1_0"));
  ASSERT_FALSE(options.ui().log().empty());
  const InteractionRecord& box = options.ui().log().back();
  EXPECT_EQ(box.text, L"Delete line, are you sure!");
  EXPECT_EQ(box.caption, L"Delete line");
  EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONEXCLAMATION));
  EXPECT_EQ(box.buttons, static_cast<UINT>(MB_OKCANCEL));
}

// The one-second refresh of an idle page writes nothing and so tells nobody to reload.
TEST_F(PageClockTest, AnIdlePageTellsNobodyToReload) {
  HostDouble host;
  OptionsHarness options;
  options.showPage(kClockPage);
  options.pumpMessages(200);
  host.clear();
  options.pumpMessages(2500);  // two refreshes
  EXPECT_EQ(host.count(WM_USER + 5), 0u);
  clickCell(options.control(kClockPage, IDC_CLOCK_GRID), 1, 1);
  options.setText(kClockPage, IDC_CELL_TEXT, L"HH");
  options.pumpMessages(100);
  EXPECT_EQ(host.count(WM_USER + 5), 1u);  // one edit, one notification
}

// Keyboard only: Tab into the grid, an arrow to a cell, Ctrl+Space for its column, Tab to
// "> Col+" and Space.
TEST_F(PageClockTest, AColumnIsInsertedWithTheKeyboardAlone) {
  OptionsHarness options;
  options.showPage(kClockPage);
  auto setControlKey = [](bool down) {
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    SetKeyboardState(keys);
  };
  auto press = [&](WPARAM key, bool control = false) {
    setControlKey(control);
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
    options.pumpMessages(50);
    setControlKey(false);
  };
  SetFocus(options.control(kClockPage, IDC_MONITOR_COMBO));
  press(VK_TAB);
  ASSERT_EQ(GetFocus(), options.control(kClockPage, IDC_CLOCK_GRID));
  press(VK_DOWN);
  press(VK_SPACE, true);
  press(VK_TAB);
  press(VK_TAB);
  ASSERT_EQ(GetFocus(), options.control(kClockPage, IDC_INSERT_COLUMN_AFTER));
  press(VK_SPACE);
  EXPECT_EQ(readNumber(*horizontal(), u"nColumns"), 2u);
}

}  // namespace
}  // namespace zembrik::testing
