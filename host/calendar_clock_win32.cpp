#include "host/calendar_clock_win32.h"

#include <windows.h>

#include "platform/win32/calendar_time_win32.h"

namespace zembrik {

CalendarTime calendarLocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return toCalendarTime(now);
}

std::int64_t calendarUniversalNow() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(now.dwHighDateTime) << 32) |
                                   now.dwLowDateTime);
}

}  // namespace zembrik
