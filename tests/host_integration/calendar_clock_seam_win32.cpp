// The calendar's clock for the integration tests: "today" comes from the file named by
// ZEMBRIK_TEST_TODAY_FILE ("YYYY-MM-DD"), read at every call so a test can move it while the host
// runs; without the file, the system clock.
#include <windows.h>

#include <cstdio>

#include "engine/timezone/calendar_days.h"
#include "host/calendar_clock_win32.h"
#include "platform/win32/calendar_time_win32.h"
#include "tests/host_integration/test_seams.h"

namespace zembrik {

CalendarTime calendarLocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  CalendarTime local = toCalendarTime(now);
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(ZEMBRIK_TODAY_FILE_VARIABLE, path, MAX_PATH))
    return local;
  FILE* file = _wfopen(path, L"r");
  if (!file)
    return local;
  int year = 0, month = 0, day = 0;
  if (std::fscanf(file, "%d-%d-%d", &year, &month, &day) == 3) {
    local.year = static_cast<std::uint16_t>(year);
    local.month = static_cast<std::uint16_t>(month);
    local.day = static_cast<std::uint16_t>(day);
    local.dayOfWeek = static_cast<std::uint16_t>(weekdayOf(dayNumberOf(year, month, day)));
  }
  std::fclose(file);
  return local;
}

std::int64_t calendarUniversalNow() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(now.dwHighDateTime) << 32) |
                                   now.dwLowDateTime);
}

}  // namespace zembrik
