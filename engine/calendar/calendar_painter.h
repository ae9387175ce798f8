#pragma once
// Painting one month into the calendar's drawing surface.
#include <array>
#include <string>

#include "engine/calendar/calendar_layout.h"
#include "engine/calendar/calendar_month.h"
#include "engine/paint/draw_surface.h"

namespace zembrik {

// The system colours the month is painted in (GetSysColor on Windows).
struct CalendarColours {
  Colour face = 0xC0C0C0;      // button face: the background
  Colour text = 0x000000;      // button text: names, weekdays of the month
  Colour greyText = 0x808080;  // grey text: weekdays of the months around it
};

inline constexpr Colour kWeekNumberColour = 0xFF0000;      // RGB(0, 0, 255)
inline constexpr Colour kWeekendColour = 0x141496;         // RGB(150, 20, 20)
inline constexpr Colour kWeekendOutsideColour = 0x323264;  // RGB(100, 50, 50)

// The cell of the calendar: the extent of "000 " in the surface's selected font.
Size calendarCellSize(DrawSurface& surface);

// Fills the surface and paints `grid` laid out by `layout`, in the font already selected.
void paintMonth(DrawSurface& surface, const MonthGrid& grid, const CalendarLayout& layout,
                const std::array<std::u16string, 7>& weekdayNames, const CalendarColours& colours);

}  // namespace zembrik
