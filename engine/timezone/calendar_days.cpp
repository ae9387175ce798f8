#include "engine/timezone/calendar_days.h"

#include <algorithm>

namespace zembrik {

namespace {

std::int64_t floorDivide(std::int64_t value, std::int64_t divisor) {
  std::int64_t quotient = value / divisor;
  return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

}  // namespace

// The era-based conversions are exact for every Gregorian date (400-year eras starting in March).
std::int64_t dayNumberOf(std::int64_t year, int month, std::int64_t day) {
  month = std::clamp(month, 1, 12);
  const std::int64_t y = year - (month <= 2 ? 1 : 0);
  const std::int64_t era = floorDivide(y, 400);
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

int weekdayOf(std::int64_t dayNumber) {
  return static_cast<int>(((dayNumber + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
}

int daysInMonth(std::int64_t year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  month = std::clamp(month, 1, 12);
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

std::int64_t millisecondsOf(const CalendarTime& time) {
  const std::int64_t days = dayNumberOf(time.year, time.month, time.day);
  const std::int64_t seconds = time.hour * 3600 + time.minute * 60 + time.second;
  return days * kMillisecondsPerDay + seconds * 1000 + time.milliseconds;
}

CalendarTime calendarTimeOf(std::int64_t milliseconds) {
  const std::int64_t days = floorDivide(milliseconds, kMillisecondsPerDay);
  std::int64_t ofDay = milliseconds - days * kMillisecondsPerDay;

  const std::int64_t shifted = days + 719468;
  const std::int64_t era = floorDivide(shifted, 146097);
  const std::int64_t dayOfEra = shifted - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;

  CalendarTime time;
  time.year = static_cast<std::uint16_t>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  time.month = static_cast<std::uint16_t>(month);
  time.day = static_cast<std::uint16_t>(dayOfYear - (153 * mp + 2) / 5 + 1);
  time.dayOfWeek = static_cast<std::uint16_t>(weekdayOf(days));
  time.hour = static_cast<std::uint16_t>(ofDay / 3'600'000);
  ofDay %= 3'600'000;
  time.minute = static_cast<std::uint16_t>(ofDay / 60'000);
  ofDay %= 60'000;
  time.second = static_cast<std::uint16_t>(ofDay / 1000);
  time.milliseconds = static_cast<std::uint16_t>(ofDay % 1000);
  return time;
}

}  // namespace zembrik
