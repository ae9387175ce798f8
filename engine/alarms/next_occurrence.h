#pragma once
// When an alarm rings next, in seconds from a local time. Shared by the host's scheduler and the
// settings editor's "Time to alarm" column.
#include <cstdint>

#include "engine/alarms/alarm_record.h"
#include "engine/format/calendar_time.h"

namespace zembrik {

inline constexpr std::int64_t kNeverOccurs = -1;

// Seconds from `now` (local time, with its day of week) to the alarm's next ringing at or after
// `now`; kNeverOccurs when there is none. Weekly alarms follow their day bits; the others their
// date and time, repeated monthly or annually. Any field values are accepted: the arithmetic is
// 64-bit, so huge times and dates give far-away results, never overflow.
std::int64_t nextOccurrence(const AlarmRecord& alarm, const CalendarTime& now);

// `now` plus one second, carried through minutes, hours, days, months and years, with its day
// of week.
CalendarTime oneSecondLater(const CalendarTime& now);

}  // namespace zembrik
