#pragma once
// A local time and tick count that tests move by hand, and times written as text.
#include <cstdio>
#include <string>

#include "engine/alarms/alarm_schedule.h"
#include "engine/timezone/calendar_days.h"

namespace zembrik::test {

// "2026-12-09 07:30:00" as a calendar record with its day of week.
inline CalendarTime localTime(const char* text) {
  CalendarTime t;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  std::sscanf(text, "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second);
  t.year = static_cast<std::uint16_t>(year);
  t.month = static_cast<std::uint16_t>(month);
  t.day = static_cast<std::uint16_t>(day);
  t.hour = static_cast<std::uint16_t>(hour);
  t.minute = static_cast<std::uint16_t>(minute);
  t.second = static_cast<std::uint16_t>(second);
  return calendarTimeOf(millisecondsOf(t));
}

inline std::int64_t secondsBetween(const char* from, const char* to) {
  return (millisecondsOf(localTime(to)) - millisecondsOf(localTime(from))) / 1000;
}

class FakeAlarmTime final : public AlarmTimeSource {
 public:
  FakeAlarmTime(const char* start, std::uint32_t tick)
      : ms_(millisecondsOf(localTime(start))), tick_(tick) {}
  CalendarTime localNow() override { return calendarTimeOf(ms_); }
  std::uint32_t tickCount() override { return tick_; }
  void advance(std::int64_t seconds) { advanceMs(seconds * 1000); }
  void advanceMs(std::int64_t ms) {
    ms_ += ms;
    tick_ += static_cast<std::uint32_t>(ms);
  }

 private:
  std::int64_t ms_;
  std::uint32_t tick_;
};

}  // namespace zembrik::test
