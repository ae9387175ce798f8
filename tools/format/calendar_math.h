#pragma once
// Calendar arithmetic for the command line: day of week and shifting a moment by minutes.
#include <cstdint>

#include "format/calendar_time.h"

namespace zembrik {

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t daysFromCivil(int year, int month, int day);
// Sets dayOfWeek from the date.
void fillDayOfWeek(CalendarTime& time);
// The same moment `minutes` later (negative: earlier), with the day of week.
CalendarTime addMinutes(const CalendarTime& time, std::int64_t minutes);

}  // namespace zembrik
