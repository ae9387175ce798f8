#pragma once
// Draws the grid from its model with the system's colours (high-contrast schemes included).
#include <windows.h>

#include "grid/grid_model.h"

namespace zembrik::grid {

// Paints the cells that meet `clip` (view coordinates) and the background around the table.
// `dc` may be a memory context whose origin has been moved; nothing selected into it is left.
void paintGrid(HDC dc, const GridModel& model, HFONT font, const RECT& clip, bool showFocus);

}  // namespace zembrik::grid
