#pragma once
// SYSTEMTIME and the engine's CalendarTime share their layout; these copy field by field.
#include <windows.h>

#include "engine/format/calendar_time.h"

namespace zembrik {

inline CalendarTime toCalendarTime(const SYSTEMTIME& t) {
  return CalendarTime{t.wYear, t.wMonth,  t.wDayOfWeek, t.wDay,
                      t.wHour, t.wMinute, t.wSecond,    t.wMilliseconds};
}

// The current moment in UTC and, through the system's zone rules, in local time.
inline void currentMoment(CalendarTime& utc, CalendarTime& local) {
  SYSTEMTIME utcTime;
  GetSystemTime(&utcTime);
  SYSTEMTIME localTime = utcTime;
  FILETIME utcFile, localFile;
  if (SystemTimeToFileTime(&utcTime, &utcFile) && FileTimeToLocalFileTime(&utcFile, &localFile)) {
    FileTimeToSystemTime(&localFile, &localTime);
  }
  utc = toCalendarTime(utcTime);
  local = toCalendarTime(localTime);
}

inline SYSTEMTIME toSystemTime(const CalendarTime& t) {
  return SYSTEMTIME{t.year, t.month,  t.dayOfWeek, t.day,
                    t.hour, t.minute, t.second,    t.milliseconds};
}

}  // namespace zembrik
