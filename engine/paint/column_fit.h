#pragma once
// Fitting the measured columns into the face the taskbar gave: spare width goes to the columns,
// and each group of cells in a column hides cells or spreads spare height to fit its height.
#include <cstddef>
#include <span>
#include <vector>

#include "engine/settings/clock_config.h"

namespace zembrik {

// Sets every column's extra width from the spare width: first a share in proportion to its
// measured width, then what is left in rounds of max(left / columns, 1) pixels from the first
// column on. No extra when the columns fill the face or overflow it.
void distributeSpareWidth(std::span<ColumnMetrics> columns, int faceWidth);

// One cell of a group (the cells of a column from a reset-Y cell, or the top, to the next).
struct FitCell {
  int height = 0;  // what the cell needs: tallest text, insets, effect room
  int hidePriority = 0;
  int stretchWeight = 0;
  // Results.
  bool hidden = false;
  int above = 0;  // spare height added above the cell
  int below = 0;  // and below it
};

// Hides cells by hide priority while the group is taller than `faceHeight` (never its last
// visible cell), or spreads the spare height over the weighted cells when it is shorter.
// `order` is scratch space, kept by the caller so that fitting does not allocate.
void fitGroup(std::span<FitCell> group, int faceHeight, std::vector<std::size_t>& order);

}  // namespace zembrik
