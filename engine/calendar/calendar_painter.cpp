#include "engine/calendar/calendar_painter.h"

#include <string_view>

namespace zembrik {

namespace {

Colour colourOf(DayClass kind, const CalendarColours& colours) {
  switch (kind) {
    case DayClass::Weekday:
      return colours.text;
    case DayClass::WeekdayOutside:
      return colours.greyText;
    case DayClass::Weekend:
      return kWeekendColour;
    default:
      return kWeekendOutsideColour;
  }
}

// Two digits without allocating: "01" to "53".
std::u16string_view twoDigits(int value, char16_t (&buffer)[2]) {
  buffer[0] = static_cast<char16_t>(u'0' + (value / 10) % 10);
  buffer[1] = static_cast<char16_t>(u'0' + value % 10);
  return {buffer, 2};
}

std::u16string_view dayText(int day, char16_t (&buffer)[2]) {
  if (day < 10) {
    buffer[0] = static_cast<char16_t>(u'0' + day);
    return {buffer, 1};
  }
  return twoDigits(day, buffer);
}

void paintNames(DrawSurface& surface, const CalendarLayout& layout, int top, int firstWeekday,
                const std::array<std::u16string, 7>& names) {
  for (int column = 0; column < kGridColumns; ++column) {
    const int left = layout.daysLeft + column * layout.cell.width;
    surface.drawText(names[static_cast<std::size_t>(weekdayOfColumn(column, firstWeekday))],
                     {left, top, left + layout.cell.width, top + layout.cell.height},
                     TextAlign::Centre);
  }
}

}  // namespace

Size calendarCellSize(DrawSurface& surface) {
  return surface.measureText(u"000 ");
}

void paintMonth(DrawSurface& surface, const MonthGrid& grid, const CalendarLayout& layout,
                const std::array<std::u16string, 7>& weekdayNames, const CalendarColours& colours) {
  const Size area = surface.size();
  surface.fillRect({0, 0, area.width, area.height}, colours.face);
  surface.setTextColour(colours.text);
  if (layout.namesAboveTop >= 0)
    paintNames(surface, layout, layout.namesAboveTop, grid.firstWeekday, weekdayNames);
  if (layout.namesBelowTop >= 0)
    paintNames(surface, layout, layout.namesBelowTop, grid.firstWeekday, weekdayNames);
  if (layout.etchedSides != 0)
    surface.drawEdge(layout.grid, EdgeStyle::Etched, layout.etchedSides);

  char16_t buffer[2];
  const int cw = layout.cell.width;
  for (int row = 0; row < kGridRows; ++row) {
    const Rect first = layout.dayCell(row, 0);
    if (layout.weeksLeftX >= 0 || layout.weeksRightX >= 0) {
      surface.setTextColour(kWeekNumberColour);
      const auto number = twoDigits(grid.weekNumbers[static_cast<std::size_t>(row)], buffer);
      if (layout.weeksLeftX >= 0)
        surface.drawText(number,
                         {layout.weeksLeftX, first.top, layout.weeksLeftX + cw, first.bottom},
                         TextAlign::Centre);
      if (layout.weeksRightX >= 0)
        surface.drawText(number,
                         {layout.weeksRightX, first.top, layout.weeksRightX + cw, first.bottom},
                         TextAlign::Centre);
    }
    for (int column = 0; column < kGridColumns; ++column) {
      const GridDay& day = grid.days[static_cast<std::size_t>(row * kGridColumns + column)];
      const Rect cell = layout.dayCell(row, column);
      surface.setTextColour(colourOf(day.kind, colours));
      surface.drawText(dayText(day.day, buffer), cell, TextAlign::Centre);
      if (day.today)
        surface.drawEdge(cell, EdgeStyle::Sunken, kEdgeAllSides);
    }
  }
  surface.drawEdge({0, 0, layout.wanted.width, layout.wanted.height}, EdgeStyle::Etched,
                   kEdgeBottom);
}

}  // namespace zembrik
