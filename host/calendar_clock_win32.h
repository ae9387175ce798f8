#pragma once
// The calendar's clock: today's local date and the universal time. The program links
// calendar_clock_win32.cpp (the system clock); the integration tests link a version whose
// "today" they set, so that no test changes the machine's clock.
#include <cstdint>

#include "engine/format/calendar_time.h"

namespace zembrik {

CalendarTime calendarLocalNow();
// Universal time in 100-ns units since 1601 (a FILETIME).
std::int64_t calendarUniversalNow();

}  // namespace zembrik
