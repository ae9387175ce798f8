#include "engine/format/iso_week.h"

#include <algorithm>
#include <cstdint>

namespace zembrik {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
std::int64_t daysFromCivil(std::int64_t year, int month, std::int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// The year of a day number (the inverse of daysFromCivil, year part only).
std::int64_t yearFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;  // 0 = March
  return yearOfEra + era * 400 + (shiftedMonth >= 10 ? 1 : 0);
}

// Monday = 1 ... Sunday = 7; day 0 (1970-01-01) was a Thursday.
int isoWeekday(std::int64_t days) {
  std::int64_t r = (days + 3) % 7;
  if (r < 0)
    r += 7;
  return static_cast<int>(r) + 1;
}

}  // namespace

int isoWeekNumber(int year, int month, int day) {
  const std::int64_t days = daysFromCivil(year, std::clamp(month, 1, 12), day);
  // The week belongs to the year that holds its Thursday.
  const std::int64_t thursday = days + 4 - isoWeekday(days);
  const std::int64_t firstOfThatYear = daysFromCivil(yearFromDays(thursday), 1, 1);
  return static_cast<int>((thursday - firstOfThatYear) / 7 + 1);
}

}  // namespace zembrik
