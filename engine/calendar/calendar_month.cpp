#include "engine/calendar/calendar_month.h"

#include "engine/format/iso_week.h"
#include "engine/timezone/calendar_days.h"

namespace zembrik {

CalendarDate calendarDateOf(int year, int month, int day) {
  CalendarDate date{year, month, day, 0};
  date.weekday = weekdayOf(dayNumberOf(year, month, validDay(date)));
  return date;
}

CalendarDate calendarDateOf(const CalendarTime& time) {
  return calendarDateOf(time.year, time.month, time.day);
}

int validDay(const CalendarDate& date) {
  int day = date.day < 1 ? 1 : date.day;
  const int length = daysInMonth(date.year, date.month);
  while (day > 28 && day > length) --day;
  return day;
}

CalendarDate movedBy(const CalendarDate& date, int months, int years) {
  const long long n = static_cast<long long>(date.month) + months;
  long long month = 0;
  long long year = date.year;
  if (n >= 1) {
    if (n <= 12) {
      month = n;
      year += years;
    } else {
      month = (n - 13) % 12 + 1;
      year += years + (n - 13) / 12 + 1;
    }
  } else {
    month = 12 - ((-n) % 12);
    year += years - (-n) / 12 - 1;
  }
  if (year < kFirstCalendarYear || year > kLastCalendarYear)
    return date;
  return calendarDateOf(static_cast<int>(year), static_cast<int>(month), date.day);
}

namespace {

DayClass classOf(int weekday, bool inMonth) {
  const bool weekend = weekday == 0 || weekday == 6;
  if (weekend)
    return inMonth ? DayClass::Weekend : DayClass::WeekendOutside;
  return inMonth ? DayClass::Weekday : DayClass::WeekdayOutside;
}

}  // namespace

MonthGrid buildMonthGrid(const CalendarDate& shown, int firstWeekday, const CalendarDate& today) {
  MonthGrid grid;
  if (firstWeekday < 0 || firstWeekday > 6)
    firstWeekday = 1;
  grid.firstWeekday = firstWeekday;
  const std::int64_t first = dayNumberOf(shown.year, shown.month, 1);
  const std::int64_t start = first - (weekdayOf(first) - firstWeekday + 7) % 7;
  const std::int64_t todayNumber = dayNumberOf(today.year, today.month, validDay(today));
  for (int i = 0; i < kGridRows * kGridColumns; ++i) {
    const std::int64_t number = start + i;
    const CalendarTime time = calendarTimeOf(number * kMillisecondsPerDay);
    const bool inMonth = time.month == shown.month;
    grid.days[i] = {time.day, classOf(time.dayOfWeek, inMonth), number == todayNumber};
  }
  for (int row = 0; row < kGridRows; ++row) {
    // A week from Sunday is numbered by its Monday, as ISO weeks run Monday to Sunday.
    const std::int64_t number = start + row * kGridColumns + (firstWeekday == 0 ? 1 : 0);
    const CalendarTime time = calendarTimeOf(number * kMillisecondsPerDay);
    grid.weekNumbers[row] = isoWeekNumber(time.year, time.month, time.day);
  }
  return grid;
}

}  // namespace zembrik
