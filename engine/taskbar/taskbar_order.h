#pragma once
// Inside the shell the secondary taskbars are numbered from the rightmost (or lowest) to the
// leftmost (or highest); entry 0 is always the main taskbar.
#include <cstdlib>
#include <utility>
#include <vector>

#include "engine/taskbar/size_negotiation.h"

namespace zembrik {

// True when a taskbar at `newer` belongs before one at `earlier` in the list. Along the axis on
// which they are further apart, the one further right (or lower) comes first.
inline bool belongsBefore(const Rect& newer, const Rect& earlier) {
  const int dx = newer.left - earlier.left;
  const int dy = newer.top - earlier.top;
  return std::abs(dx) < std::abs(dy) ? dy >= 0 : dx >= 0;
}

// Moves the last record towards the front by adjacent swaps, never past entry 0; the first
// comparison that does not swap ends the moves. `rectOf` gives a record's taskbar rectangle.
template <class Record, class RectOf>
void moveLastSecondaryIntoPlace(std::vector<Record>& list, RectOf rectOf) {
  for (std::size_t i = list.size(); i >= 3; --i) {
    Record& newer = list[i - 1];
    Record& earlier = list[i - 2];
    if (!belongsBefore(rectOf(newer), rectOf(earlier)))
      break;
    std::swap(newer, earlier);
  }
}

}  // namespace zembrik
