#pragma once
// The grid's scroll bars and what scroll bar and wheel requests do to its view.
#include <windows.h>

#include "grid/grid_window_state_win32.h"

namespace zembrik::grid {

// Gives the model the window's client size.
void applyViewSize(GridWindow& grid);
// Sets both bars from the model; showing or hiding a bar resizes the view, which is applied.
void updateScrollBars(GridWindow& grid);
// A WM_VSCROLL (SB_VERT) or WM_HSCROLL (SB_HORZ) request; true when the view moved.
bool scrollByRequest(GridWindow& grid, int bar, WORD request);
// A WM_MOUSEWHEEL delta, in the system's lines per notch; true when the view moved.
bool scrollByWheel(GridWindow& grid, int delta);

}  // namespace zembrik::grid
