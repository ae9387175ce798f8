#include "calendar_math.h"

namespace zembrik {

std::int64_t daysFromCivil(int year, int month, int day) {
  // Howard Hinnant's days_from_civil: exact for every Gregorian date.
  const std::int64_t y = year - (month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

namespace {

void civilFromDays(std::int64_t days, int& year, int& month, int& day) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

void fillDayOfWeek(CalendarTime& time) {
  const std::int64_t days = daysFromCivil(time.year, time.month, time.day);
  time.dayOfWeek = static_cast<std::uint16_t>(((days % 7) + 11) % 7);  // 1970-01-01: Thursday
}

CalendarTime addMinutes(const CalendarTime& time, std::int64_t minutes) {
  std::int64_t total = daysFromCivil(time.year, time.month, time.day) * 1440 + time.hour * 60 +
                       time.minute + minutes;
  std::int64_t days = total >= 0 ? total / 1440 : (total - 1439) / 1440;
  std::int64_t minuteOfDay = total - days * 1440;
  CalendarTime shifted = time;
  int year = 0, month = 0, day = 0;
  civilFromDays(days, year, month, day);
  shifted.year = static_cast<std::uint16_t>(year);
  shifted.month = static_cast<std::uint16_t>(month);
  shifted.day = static_cast<std::uint16_t>(day);
  shifted.hour = static_cast<std::uint16_t>(minuteOfDay / 60);
  shifted.minute = static_cast<std::uint16_t>(minuteOfDay % 60);
  fillDayOfWeek(shifted);
  return shifted;
}

}  // namespace zembrik
