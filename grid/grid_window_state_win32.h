#pragma once
// The state behind one "ZembrikGrid" window, kept in its GWLP_USERDATA from WM_NCCREATE to
// WM_NCDESTROY. Shared by the window procedure and the accessible object.
#include <windows.h>

#include "grid/gdi_owners_win32.h"
#include "grid/grid_model.h"

namespace zembrik::grid {

struct GridWindow {
  HWND window = nullptr;
  GridModel model;
  HFONT font = nullptr;    // set by WM_SETFONT; its owner's
  UniqueFont defaultFont;  // used until then
  bool hasFocus = false;
  bool updatingScrollBars = false;
  int wheelRemainder = 0;
};

// Null for a window that is not a live grid.
inline GridWindow* gridWindowFrom(HWND window) {
  return IsWindow(window) ? reinterpret_cast<GridWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA))
                          : nullptr;
}

// The accessible child id of a cell: 1 + its index in row order; CHILDID_SELF for none.
inline LONG cellChildId(const GridModel& model, CellPos cell) {
  if (!cell.valid())
    return CHILDID_SELF;
  return 1 + cell.row * model.columnCount() + cell.column;
}

}  // namespace zembrik::grid
