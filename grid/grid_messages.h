#pragma once
// The "ZembrikGrid" control's messages, notifications and small wrappers.
//
// Calls made through these messages (by the page that owns the grid) never notify. Only user
// actions (mouse, keyboard, and GRIDM_CLICKCELL, which stands for a click) send WM_NOTIFY to the
// parent with the control id: GRIDN_SELCHANGED only when the selection or the focus cell really
// changed, GRIDN_HEADERCLICK for a click on a cell of the fixed row, GRIDN_ACTIVATE for a double
// click on a data row or Enter.
//
// Messages that carry only integers work from another process; those whose lParam points to
// memory (marked "same process") do not.
#include <windows.h>

namespace zembrik::grid {

inline constexpr wchar_t kGridClassName[] = L"ZembrikGrid";

// Row and column are packed as MAKEWPARAM(row, column): at most 65535 rows and columns.
enum GridMessage : UINT {
  GRIDM_SETSIZE = WM_USER + 0x300,  // wParam rows, lParam columns (fixed ones included)
  GRIDM_GETSIZE,                    // returns MAKELONG(rows, columns)
  GRIDM_SETFIXED,                   // wParam fixed rows (0 or 1), lParam fixed columns (0 or 1)
  GRIDM_SETTEXT,           // wParam cell, lParam const wchar_t* (same process; null: empty)
  GRIDM_GETTEXT,           // wParam cell, lParam GridTextBuffer* (same process); returns length
  GRIDM_SETSELECTIONMODE,  // wParam GRID_SELECT_CELLS or GRID_SELECT_ROWS
  GRIDM_SETSELECTION,      // lParam const GridRange* (same process; null: none)
  GRIDM_GETSELECTION,      // lParam GridRange* or null; returns the focus cell, see below
  GRIDM_ENSUREVISIBLE,     // wParam cell
  GRIDM_AUTOSIZECOLUMNS,   // sizes every column to its contents
  GRIDM_SETCOLUMNWIDTH,    // wParam column, lParam width in pixels
  GRIDM_SETSORTINDICATOR,  // wParam column (-1: none), lParam GRID_SORT_*
  GRIDM_CLICKCELL,         // wParam cell, lParam 1 for a double click; notifies like a click
  GRIDM_GETCELLRECT,       // wParam cell, lParam RECT* (same process); FALSE when not shown
};

enum GridNotificationCode : UINT {
  GRIDN_SELCHANGED = 0x7A00,
  GRIDN_HEADERCLICK,
  GRIDN_ACTIVATE,
};

enum : WPARAM { GRID_SELECT_CELLS = 0, GRID_SELECT_ROWS = 1 };
enum : LPARAM { GRID_SORT_NONE = 0, GRID_SORT_ASCENDING = 1, GRID_SORT_DESCENDING = 2 };

// Inclusive bounds; all -1 when nothing is selected.
struct GridRange {
  int firstRow = -1;
  int firstColumn = -1;
  int lastRow = -1;
  int lastColumn = -1;
};

struct GridTextBuffer {
  wchar_t* text;
  int capacity;  // in characters, the terminator included
};

// Sent with every notification. Row and column: the focus cell (GRIDN_SELCHANGED), the activated
// cell (GRIDN_ACTIVATE) or the clicked header cell (GRIDN_HEADERCLICK); -1 for none.
struct GridNotification {
  NMHDR header;
  int row;
  int column;
  int selectedCount;
  GridRange range;
};

inline WPARAM gridCell(int row, int column) {
  return MAKEWPARAM(static_cast<WORD>(row), static_cast<WORD>(column));
}

// GRIDM_GETSELECTION's result packs the focus cell into integers: MAKELONG(row, column), each
// 0xFFFF when there is no focus cell.
inline int gridResultRow(LRESULT result) {
  WORD row = LOWORD(static_cast<DWORD>(result));
  return row == 0xFFFF ? -1 : row;
}
inline int gridResultColumn(LRESULT result) {
  WORD column = HIWORD(static_cast<DWORD>(result));
  return column == 0xFFFF ? -1 : column;
}

inline void gridSetSize(HWND grid, int rows, int columns) {
  SendMessageW(grid, GRIDM_SETSIZE, static_cast<WPARAM>(rows), columns);
}
inline int gridRowCount(HWND grid) {
  return LOWORD(static_cast<DWORD>(SendMessageW(grid, GRIDM_GETSIZE, 0, 0)));
}
inline int gridColumnCount(HWND grid) {
  return HIWORD(static_cast<DWORD>(SendMessageW(grid, GRIDM_GETSIZE, 0, 0)));
}
inline void gridSetFixed(HWND grid, int fixedRows, int fixedColumns) {
  SendMessageW(grid, GRIDM_SETFIXED, static_cast<WPARAM>(fixedRows), fixedColumns);
}
inline void gridSetText(HWND grid, int row, int column, const wchar_t* text) {
  SendMessageW(grid, GRIDM_SETTEXT, gridCell(row, column), reinterpret_cast<LPARAM>(text));
}
inline int gridGetText(HWND grid, int row, int column, wchar_t* text, int capacity) {
  GridTextBuffer buffer{text, capacity};
  return static_cast<int>(
      SendMessageW(grid, GRIDM_GETTEXT, gridCell(row, column), reinterpret_cast<LPARAM>(&buffer)));
}
inline void gridSetSelectionMode(HWND grid, WPARAM mode) {
  SendMessageW(grid, GRIDM_SETSELECTIONMODE, mode, 0);
}
inline void gridSetSelection(HWND grid, const GridRange& range) {
  SendMessageW(grid, GRIDM_SETSELECTION, 0, reinterpret_cast<LPARAM>(&range));
}
inline GridRange gridGetSelection(HWND grid) {
  GridRange range;
  SendMessageW(grid, GRIDM_GETSELECTION, 0, reinterpret_cast<LPARAM>(&range));
  return range;
}
inline void gridEnsureVisible(HWND grid, int row, int column) {
  SendMessageW(grid, GRIDM_ENSUREVISIBLE, gridCell(row, column), 0);
}
inline void gridAutoSizeColumns(HWND grid) {
  SendMessageW(grid, GRIDM_AUTOSIZECOLUMNS, 0, 0);
}
inline void gridSetColumnWidth(HWND grid, int column, int width) {
  SendMessageW(grid, GRIDM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), width);
}
inline void gridSetSortIndicator(HWND grid, int column, LPARAM direction) {
  SendMessageW(grid, GRIDM_SETSORTINDICATOR, static_cast<WPARAM>(column), direction);
}
inline bool gridGetCellRect(HWND grid, int row, int column, RECT& rect) {
  return SendMessageW(grid, GRIDM_GETCELLRECT, gridCell(row, column),
                      reinterpret_cast<LPARAM>(&rect)) != 0;
}

}  // namespace zembrik::grid
