// The "ZembrikGrid" window in a test window: posted clicks and keys to notifications, pixels in
// the system colours, repaint areas, and the focus kept in view on a long table.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "grid/grid_messages.h"
#include "grid/grid_window_win32.h"

namespace zembrik::grid {
namespace {

constexpr int kGridId = 1030;

struct Seen {
  UINT code;
  int row, column, count;
  GridRange range;
};

std::vector<Seen> seen;

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    const auto* n = reinterpret_cast<const GridNotification*>(lParam);
    if (n->header.idFrom == kGridId)
      seen.push_back({n->header.code, n->row, n->column, n->selectedCount, n->range});
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Set while a test plays a dialog: keys go through the dialog manager first.
HWND dialogHost = nullptr;

void pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (dialogHost && IsDialogMessageW(dialogHost, &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Holds the test host window and the grid inside it (400 x 300 client pixels).
class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    ASSERT_TRUE(registerGridClass(instance));
    WNDCLASSW hostClass{};
    hostClass.lpfnWndProc = hostProc;
    hostClass.hInstance = instance;
    hostClass.lpszClassName = L"GridTestHost";
    RegisterClassW(&hostClass);
    host = CreateWindowExW(0, L"GridTestHost", L"grid test", WS_OVERLAPPEDWINDOW, 10, 10, 500, 400,
                           nullptr, nullptr, instance, nullptr);
    ASSERT_TRUE(host);
    grid = CreateWindowExW(0, kGridClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 400,
                           300, host, reinterpret_cast<HMENU>(kGridId), instance, nullptr);
    ASSERT_TRUE(grid);
    SendMessageW(grid, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    ShowWindow(host, SW_SHOWNOACTIVATE);
    pump();
    seen.clear();
  }
  void TearDown() override {
    if (host)
      DestroyWindow(host);
    pump();
    setKeys(false, false);
  }

  // A table like the Clock page's: one fixed row and column, "r,c" in every data cell.
  void fill(int rows, int columns, int fixedRows = 1, int fixedColumns = 1) {
    gridSetSize(grid, rows, columns);
    gridSetFixed(grid, fixedRows, fixedColumns);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < columns; ++c) gridSetText(grid, r, c, textFor(r, c).c_str());
    gridAutoSizeColumns(grid);
  }
  static std::wstring textFor(int row, int column) {
    if (row == 0)
      return L"col " + std::to_wstring(column);
    if (column == 0)
      return L"row " + std::to_wstring(row);
    return std::to_wstring(row) + L"," + std::to_wstring(column);
  }

  POINT centreOf(int row, int column) {
    RECT rect{};
    EXPECT_TRUE(gridGetCellRect(grid, row, column, rect)) << row << "," << column;
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }
  void postClick(int row, int column, bool twice = false) {
    POINT at = centreOf(row, column);
    PostMessageW(grid, twice ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(at.x, at.y));
    PostMessageW(grid, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    pump();
  }
  static void setKeys(bool shift, bool control) {
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys);
  }
  void postKey(WPARAM key, bool shift = false, bool control = false) {
    setKeys(shift, control);
    PostMessageW(grid, WM_KEYDOWN, key, 1);
    pump();
    setKeys(false, false);
  }

  HWND host = nullptr;
  HWND grid = nullptr;
};

bool sameRange(const GridRange& a, const GridRange& b) {
  return a.firstRow == b.firstRow && a.firstColumn == b.firstColumn && a.lastRow == b.lastRow &&
         a.lastColumn == b.lastColumn;
}

void expectSeen(const std::vector<Seen>& expected) {
  ASSERT_EQ(seen.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(seen[i].code, expected[i].code) << i;
    EXPECT_EQ(seen[i].row, expected[i].row) << i;
    EXPECT_EQ(seen[i].column, expected[i].column) << i;
    if (expected[i].code == GRIDN_SELCHANGED) {
      EXPECT_EQ(seen[i].count, expected[i].count) << i;
      EXPECT_TRUE(sameRange(seen[i].range, expected[i].range)) << i;
    }
  }
}

constexpr GridRange kNoRange{};

TEST_F(GridTest, PostedClicksGiveOneNotificationPerRealChange) {
  fill(6, 4);
  postClick(2, 2);
  postClick(2, 2);  // the same cell: nothing changed
  expectSeen({{GRIDN_SELCHANGED, 2, 2, 1, {2, 2, 2, 2}}});
  seen.clear();
  postClick(0, 3);  // the column header
  expectSeen({{GRIDN_HEADERCLICK, 0, 3, 0, kNoRange}, {GRIDN_SELCHANGED, 2, 3, 5, {1, 3, 5, 3}}});
  seen.clear();
  postClick(4, 0);  // the row header
  expectSeen({{GRIDN_SELCHANGED, 4, 3, 3, {4, 1, 4, 3}}});
  seen.clear();
  postClick(3, 1, /*twice=*/true);
  expectSeen({{GRIDN_SELCHANGED, 3, 1, 1, {3, 1, 3, 1}}, {GRIDN_ACTIVATE, 3, 1, 0, kNoRange}});
  seen.clear();
  // The integer-only click message, as another process would send it.
  PostMessageW(grid, GRIDM_CLICKCELL, gridCell(5, 2), 0);
  pump();
  expectSeen({{GRIDN_SELCHANGED, 5, 2, 1, {5, 2, 5, 2}}});
  LRESULT focus = SendMessageW(grid, GRIDM_GETSELECTION, 0, 0);
  EXPECT_EQ(gridResultRow(focus), 5);
  EXPECT_EQ(gridResultColumn(focus), 2);
}

TEST_F(GridTest, PageCallsNotifyNothing) {
  fill(6, 4);
  gridSetSelection(grid, {2, 1, 2, 3});
  gridSetSelectionMode(grid, GRID_SELECT_ROWS);
  gridEnsureVisible(grid, 5, 3);
  gridSetSortIndicator(grid, 1, GRID_SORT_ASCENDING);
  EXPECT_TRUE(seen.empty());
  GridRange range = gridGetSelection(grid);
  EXPECT_TRUE(sameRange(range, {2, 1, 2, 3}));
  wchar_t text[8];
  EXPECT_EQ(gridGetText(grid, 3, 2, text, 8), 3);
  EXPECT_STREQ(text, L"3,2");
  EXPECT_EQ(gridGetText(grid, 0, 3, text, 4), 3);  // truncated to the buffer
  EXPECT_STREQ(text, L"col");
  EXPECT_EQ(gridRowCount(grid), 6);
  EXPECT_EQ(gridColumnCount(grid), 4);
}

TEST_F(GridTest, ClicksHitTheRightRowWhenScrolled) {
  fill(100, 4);
  gridSetSelectionMode(grid, GRID_SELECT_ROWS);
  gridEnsureVisible(grid, 60, 1);
  postClick(60, 2);
  expectSeen({{GRIDN_SELCHANGED, 60, 2, 3, {60, 1, 60, 3}}});
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS};
  GetScrollInfo(grid, SB_VERT, &info);
  EXPECT_GT(info.nPos, 0);
  // One notch of the wheel down scrolls by the system's lines per notch.
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  int before = info.nPos;
  PostMessageW(grid, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  pump();
  GetScrollInfo(grid, SB_VERT, &info);
  EXPECT_EQ(info.nPos, before + static_cast<int>(lines));
  EXPECT_EQ(seen.size(), 1u);  // scrolling notifies nothing
}

// What the Clock page needs without a mouse; the log shows the notifications as they come.
TEST_F(GridTest, KeyboardOnlyRowAndColumnSelection) {
  fill(5, 4);
  struct Step {
    const char* keys;
    WPARAM key;
    bool shift, control;
    Seen expected;
  } steps[] = {
      {"Down", VK_DOWN, false, false, {GRIDN_SELCHANGED, 1, 1, 1, {1, 1, 1, 1}}},
      {"Right", VK_RIGHT, false, false, {GRIDN_SELCHANGED, 1, 2, 1, {1, 2, 1, 2}}},
      {"Down", VK_DOWN, false, false, {GRIDN_SELCHANGED, 2, 2, 1, {2, 2, 2, 2}}},
      {"Shift+Space", VK_SPACE, true, false, {GRIDN_SELCHANGED, 2, 2, 3, {2, 1, 2, 3}}},
      {"Ctrl+Space", VK_SPACE, false, true, {GRIDN_SELCHANGED, 2, 2, 4, {1, 2, 4, 2}}},
      {"Enter", VK_RETURN, false, false, {GRIDN_ACTIVATE, 2, 2, 0, kNoRange}},
  };
  for (const Step& step : steps) {
    seen.clear();
    postKey(step.key, step.shift, step.control);
    for (const Seen& n : seen)
      std::printf("%-12s -> %s focus (%d,%d) count %d range (%d,%d)-(%d,%d)\n", step.keys,
                  n.code == GRIDN_SELCHANGED ? "selection changed" : "activated", n.row, n.column,
                  n.count, n.range.firstRow, n.range.firstColumn, n.range.lastRow,
                  n.range.lastColumn);
    expectSeen({step.expected});
  }
}

// In a dialog the grid keeps the arrows, Space and Enter, and Tab moves on to the next control.
TEST_F(GridTest, InADialogTabLeavesAndArrowsStay) {
  fill(5, 4);
  HWND button = CreateWindowExW(0, L"BUTTON", L"edit", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 310,
                                80, 24, host, reinterpret_cast<HMENU>(1078), nullptr, nullptr);
  ASSERT_TRUE(button);
  dialogHost = host;
  SetFocus(grid);
  postKey(VK_DOWN);
  postKey(VK_RETURN);
  EXPECT_EQ(GetFocus(), grid);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].code, static_cast<UINT>(GRIDN_SELCHANGED));
  EXPECT_EQ(seen[1].code, static_cast<UINT>(GRIDN_ACTIVATE));
  postKey(VK_TAB);
  EXPECT_EQ(GetFocus(), button);
  dialogHost = nullptr;
}

TEST_F(GridTest, EndKeysScrollTheLastRowIntoView) {
  fill(1000, 7);
  RECT client{};
  for (bool rowsMode : {true, false}) {
    SCOPED_TRACE(rowsMode ? "Rows, End" : "Cells, Ctrl+End");
    gridSetSelectionMode(grid, rowsMode ? GRID_SELECT_ROWS : GRID_SELECT_CELLS);
    postKey(VK_HOME, false, true);
    postKey(VK_END, false, !rowsMode);
    GetClientRect(grid, &client);
    RECT last{};
    ASSERT_TRUE(gridGetCellRect(grid, 999, rowsMode ? 1 : 6, last));
    EXPECT_LE(last.bottom, client.bottom);
    EXPECT_LE(last.right, client.right);
    EXPECT_EQ(gridResultRow(SendMessageW(grid, GRIDM_GETSELECTION, 0, 0)), 999);
  }
}

TEST_F(GridTest, UnchangedTextsInvalidateNothingAndAChangedOneItsCellOnly) {
  fill(8, 7);
  UpdateWindow(grid);
  RECT update{};
  ASSERT_FALSE(GetUpdateRect(grid, &update, FALSE));
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 7; ++c) gridSetText(grid, r, c, textFor(r, c).c_str());
  EXPECT_FALSE(GetUpdateRect(grid, &update, FALSE));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetUpdateRgn(grid, region, FALSE), NULLREGION);

  gridSetText(grid, 3, 4, L"3,X");  // no wider: only its own cell
  RECT cell{};
  ASSERT_TRUE(gridGetCellRect(grid, 3, 4, cell));
  ASSERT_EQ(GetUpdateRgn(grid, region, FALSE), SIMPLEREGION);
  GetRgnBox(region, &update);
  EXPECT_TRUE(EqualRect(&update, &cell));
  UpdateWindow(grid);

  gridSetText(grid, 3, 4, L"a much wider text");  // the column grows: it and all right of it
  ASSERT_TRUE(gridGetCellRect(grid, 3, 4, cell));
  GetUpdateRgn(grid, region, FALSE);
  GetRgnBox(region, &update);
  EXPECT_EQ(update.left, cell.left);
  EXPECT_EQ(update.top, 0);
  DeleteObject(region);
}

// Renders the grid into a memory context and reads its pixels.
class Picture {
 public:
  explicit Picture(HWND grid) {
    GetClientRect(grid, &client_);
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, client_.right, client_.bottom);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    SendMessageW(grid, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
  }
  ~Picture() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  // The share of the rectangle's pixels in `colour`.
  double share(const RECT& rect, int colourIndex) const {
    COLORREF colour = GetSysColor(colourIndex);
    int hits = 0, all = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x, ++all) hits += GetPixel(dc_, x, y) == colour;
    return all ? static_cast<double>(hits) / all : 0;
  }
  int countOther(const RECT& rect, std::initializer_list<int> colourIndices) const {
    int others = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x) {
        COLORREF pixel = GetPixel(dc_, x, y);
        bool known = false;
        for (int index : colourIndices) known = known || pixel == GetSysColor(index);
        others += known ? 0 : 1;
      }
    return others;
  }
  const RECT& client() const { return client_; }

 private:
  RECT client_{};
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

TEST_F(GridTest, PixelsInTheSystemColoursAndTextInsideItsCell) {
  fill(5, 4);
  gridSetColumnWidth(grid, 1, 40);
  gridSetText(grid, 2, 1, L"WWWWWWWWWWWWWWWWWWWWWWWW");
  gridSetText(grid, 2, 2, L"");
  gridSetSortIndicator(grid, 3, GRID_SORT_DESCENDING);
  postClick(0, 2);  // selects column 2
  Picture picture{grid};
  RECT header{}, selected{}, overflowing{}, neighbour{}, sorted{};
  gridGetCellRect(grid, 0, 1, header);
  gridGetCellRect(grid, 3, 2, selected);
  gridGetCellRect(grid, 2, 1, overflowing);
  gridGetCellRect(grid, 2, 0, neighbour);  // the row header left of it
  gridGetCellRect(grid, 0, 3, sorted);
  EXPECT_GT(picture.share(header, COLOR_BTNFACE), 0.6);
  EXPECT_GT(picture.share(selected, COLOR_HIGHLIGHT), 0.6);
  EXPECT_GT(picture.share(overflowing, COLOR_WINDOWTEXT), 0.05);
  RECT nextCell{};
  gridGetCellRect(grid, 2, 2, nextCell);
  EXPECT_EQ(picture.countOther(nextCell, {COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_BTNFACE}), 0)
      << "something else drew into the cell right of a long text";
  // The sort arrow: button-text pixels in the right part of an otherwise short header.
  RECT arrowPart{sorted.right - 20, sorted.top, sorted.right, sorted.bottom};
  EXPECT_GT(picture.share(arrowPart, COLOR_BTNTEXT), 0.02);
  EXPECT_GT(picture.share(neighbour, COLOR_BTNFACE), 0.5);
}

TEST_F(GridTest, ANewFontIsMeasuredAgain) {
  fill(5, 4);
  RECT before{}, after{};
  ASSERT_TRUE(gridGetCellRect(grid, 1, 1, before));
  HFONT large = CreateFontW(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                            L"Liberation Sans");
  SendMessageW(grid, WM_SETFONT, reinterpret_cast<WPARAM>(large), TRUE);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(grid, WM_GETFONT, 0, 0)), large);
  ASSERT_TRUE(gridGetCellRect(grid, 1, 1, after));
  EXPECT_GT(after.bottom - after.top, 40);
  EXPECT_GT(after.right - after.left, before.right - before.left);  // sized to contents again
  DestroyWindow(host);                                              // before the font it uses
  host = nullptr;
  DeleteObject(large);
}

TEST_F(GridTest, ATableWithoutDataRowsPaintsItsHeadersOnly) {
  fill(1, 4, 1, 0);
  Picture picture{grid};
  RECT header{};
  ASSERT_TRUE(gridGetCellRect(grid, 0, 0, header));
  RECT below{0, header.bottom, picture.client().right, picture.client().bottom};
  EXPECT_EQ(picture.countOther(below, {COLOR_WINDOW}), 0);
  EXPECT_GT(picture.share(header, COLOR_BTNFACE), 0.5);
  postKey(VK_DOWN);
  postClick(0, 1);
  expectSeen({{GRIDN_HEADERCLICK, 0, 1, 0, kNoRange}});
}

VARIANT childVariant(long id) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

// What a screen reader asks: the focused cell, its name and states, through the system's
// accessibility entry point in this process.
TEST_F(GridTest, AScreenReaderFindsTheFocusedCellByName) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  fill(5, 4);
  postClick(2, 3);  // takes the focus and selects the cell
  IAccessible* accessible = nullptr;
  ASSERT_EQ(
      AccessibleObjectFromWindow(grid, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                 reinterpret_cast<void**>(&accessible)),
      S_OK);
  ASSERT_TRUE(accessible);
  long count = 0;
  EXPECT_EQ(accessible->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 20);
  VARIANT focus;
  VariantInit(&focus);
  ASSERT_EQ(accessible->get_accFocus(&focus), S_OK);
  ASSERT_EQ(focus.vt, VT_I4);
  EXPECT_EQ(focus.lVal, 1 + 2 * 4 + 3);
  BSTR name = nullptr;
  ASSERT_EQ(accessible->get_accName(focus, &name), S_OK);
  EXPECT_STREQ(name, L"col 3, row 2: 2,3");
  SysFreeString(name);
  VARIANT state, role;
  ASSERT_EQ(accessible->get_accState(focus, &state), S_OK);
  EXPECT_TRUE(state.lVal & STATE_SYSTEM_FOCUSED);
  EXPECT_TRUE(state.lVal & STATE_SYSTEM_SELECTED);
  ASSERT_EQ(accessible->get_accState(childVariant(1 + 2 * 4 + 2), &state), S_OK);
  EXPECT_FALSE(state.lVal & (STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED));
  ASSERT_EQ(accessible->get_accRole(childVariant(CHILDID_SELF), &role), S_OK);
  EXPECT_EQ(role.lVal, ROLE_SYSTEM_TABLE);
  ASSERT_EQ(accessible->get_accRole(childVariant(2), &role), S_OK);
  EXPECT_EQ(role.lVal, ROLE_SYSTEM_COLUMNHEADER);
  EXPECT_EQ(accessible->get_accName(childVariant(21), &name), E_INVALIDARG);
  // The object outlives the window without touching it.
  DestroyWindow(host);
  host = nullptr;
  EXPECT_EQ(accessible->get_accChildCount(&count), RPC_E_DISCONNECTED);
  accessible->Release();
  CoUninitialize();
}

}  // namespace
}  // namespace zembrik::grid
