#pragma once
// Week numbers by ISO 8601: weeks start on Monday and week 1 holds the year's first Thursday.

namespace zembrik {

// Week 1-53 of the date. Any field values are accepted: the month is clamped to 1-12 and the day
// counts on from the month's start, so the result is always a week number.
int isoWeekNumber(int year, int month, int day);

}  // namespace zembrik
