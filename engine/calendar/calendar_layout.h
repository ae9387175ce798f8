#pragma once
// Where the parts of the month go in the drawing area, in pixels, from the size of one cell
// (the text "000 " in the calendar font) and the `CalendarWeeks` bits.
#include <cstdint>

#include "engine/paint/draw_surface.h"
#include "engine/paint/geometry.h"

namespace zembrik {

struct CalendarLayout {
  Size cell;
  std::uint32_t weeks = 0;    // `CalendarWeeks`, unknown bits ignored
  int daysLeft = 0;           // x of the first day column
  int rowsTop = 0;            // y of the first week row
  int namesAboveTop = -1;     // y of the names row above the days, -1 without one
  int namesBelowTop = -1;     // y of the names row below the days, -1 without one
  int weeksLeftX = -1;        // x of the week numbers left of the days, -1 without them
  int weeksRightX = -1;       // x of the week numbers right of the days, -1 without them
  Rect grid;                  // the days, less the header rows and week-number columns
  EdgeSides etchedSides = 0;  // the sides of `grid` that face a header row or week column
  Size wanted;                // the drawing area that holds it all

  Rect dayCell(int row, int column) const noexcept;
};

CalendarLayout layOutCalendar(Size cell, std::uint32_t weeks) noexcept;

}  // namespace zembrik
