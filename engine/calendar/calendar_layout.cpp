#include "engine/calendar/calendar_layout.h"

#include "engine/calendar/calendar_month.h"
#include "engine/calendar/calendar_settings.h"

namespace zembrik {

Rect CalendarLayout::dayCell(int row, int column) const noexcept {
  const int left = daysLeft + column * cell.width;
  const int top = rowsTop + row * cell.height;
  return {left, top, left + cell.width, top + cell.height};
}

CalendarLayout layOutCalendar(Size cell, std::uint32_t weeks) noexcept {
  CalendarLayout layout;
  layout.cell = cell;
  layout.weeks = weeks & (kNamesAbove | kNamesBelow | kWeeksLeft | kWeeksRight);
  const bool above = (weeks & kNamesAbove) != 0;
  const bool below = (weeks & kNamesBelow) != 0;
  const bool left = (weeks & kWeeksLeft) != 0;
  const bool right = (weeks & kWeeksRight) != 0;
  const int cw = cell.width;
  const int ch = cell.height;

  layout.daysLeft = left ? cw + 4 : 0;
  layout.rowsTop = above ? ch + 4 : 0;
  if (above)
    layout.namesAboveTop = 0;
  const int weeksBottom = layout.rowsTop + kGridRows * ch;
  if (below)
    layout.namesBelowTop = weeksBottom + 4;
  if (left)
    layout.weeksLeftX = 0;
  const int daysRight = layout.daysLeft + kGridColumns * cw;
  if (right)
    layout.weeksRightX = daysRight + 6;

  const int lastRowBottom = below ? layout.namesBelowTop + ch : weeksBottom;
  layout.wanted = {daysRight + 4 + (right ? cw + 2 : 0), lastRowBottom + 4};
  layout.grid = {left ? cw + 2 : 0, above ? ch : 0, layout.wanted.width - (right ? cw + 2 : 0),
                 layout.wanted.height - (below ? ch + 4 : 0)};
  layout.etchedSides = (above ? kEdgeTop : 0) | (below ? kEdgeBottom : 0) | (left ? kEdgeLeft : 0) |
                       (right ? kEdgeRight : 0);
  return layout;
}

}  // namespace zembrik
