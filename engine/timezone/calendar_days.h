#pragma once
// Calendar arithmetic on the proleptic Gregorian calendar: day numbers and moments as a count of
// milliseconds, so zone rules can be compared and shifted exactly. Any field values are accepted
// without undefined behaviour; only valid dates round-trip.
#include <cstdint>

#include "engine/format/calendar_time.h"

namespace zembrik {

inline constexpr std::int64_t kMillisecondsPerMinute = 60'000;
inline constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

// Days since 1970-01-01. `month` outside 1-12 is clamped into it.
std::int64_t dayNumberOf(std::int64_t year, int month, std::int64_t day);
// Day of week of a day number, 0 = Sunday.
int weekdayOf(std::int64_t dayNumber);
int daysInMonth(std::int64_t year, int month);

// Milliseconds since 1970-01-01 00:00 of a calendar record (its day of week is ignored).
std::int64_t millisecondsOf(const CalendarTime& time);
// The calendar record of a moment, with its day of week. Years outside 0-65535 wrap.
CalendarTime calendarTimeOf(std::int64_t milliseconds);

}  // namespace zembrik
