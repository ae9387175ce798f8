#pragma once
// The month on show: moving it by months and years, and the six weeks of days drawn for it.
#include <array>
#include <cstdint>

#include "engine/format/calendar_time.h"

namespace zembrik {

// The calendar moves within these years; a move that would leave them is not made, so the
// buttons and the wheel stop at the ends instead of wrapping the 16-bit year of a SYSTEMTIME.
inline constexpr int kFirstCalendarYear = 1601;
inline constexpr int kLastCalendarYear = 9999;

struct CalendarDate {
  int year = 2000;
  int month = 1;    // 1..12
  int day = 1;      // 1..31, may exceed the month's length after a move (it is kept)
  int weekday = 6;  // of the valid date (see validDay), Sunday 0

  bool operator==(const CalendarDate&) const = default;
};

CalendarDate calendarDateOf(int year, int month, int day);
// The date of a calendar record, time fields dropped.
CalendarDate calendarDateOf(const CalendarTime& time);

// The day of month lowered one at a time (down to 28) until the date is valid.
int validDay(const CalendarDate& date);

// The date `months` and `years` later (negative: earlier), the day of month kept and the
// weekday recomputed. Unchanged when the result would leave the supported years.
CalendarDate movedBy(const CalendarDate& date, int months, int years);

enum class DayClass : std::uint8_t {
  Weekday,         // Monday to Friday in the month
  WeekdayOutside,  // Monday to Friday of the month before or after
  Weekend,         // Saturday or Sunday in the month
  WeekendOutside,
};

struct GridDay {
  int day = 1;  // day of its own month
  DayClass kind = DayClass::Weekday;
  bool today = false;
};

inline constexpr int kGridRows = 6;
inline constexpr int kGridColumns = 7;

struct MonthGrid {
  int firstWeekday = 1;  // the weekday of column 0
  std::array<GridDay, kGridRows * kGridColumns> days{};
  std::array<int, kGridRows> weekNumbers{};  // ISO 8601, 1..53
};

// The grid of `shown`'s month starting on the `firstWeekday` (0..6; anything else counts as
// Monday) on or before the 1st; `today` is marked where it falls inside the grid.
MonthGrid buildMonthGrid(const CalendarDate& shown, int firstWeekday, const CalendarDate& today);

// The weekday name index of column `column`.
inline int weekdayOfColumn(int column, int firstWeekday) noexcept {
  return (column + firstWeekday) % 7;
}

}  // namespace zembrik
