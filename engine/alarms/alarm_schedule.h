#pragma once
// The host's alarm scheduler: which alarms start and stop ringing, checked once a second. It
// reads the time and tells the clock through the two interfaces below, so tests drive it with a
// fake clock.
#include <cstdint>
#include <vector>

#include "engine/alarms/alarm_record.h"
#include "engine/alarms/uptime_seconds.h"
#include "engine/format/calendar_time.h"

namespace zembrik {

class AlarmTimeSource {
 public:
  virtual ~AlarmTimeSource() = default;
  virtual CalendarTime localNow() = 0;
  virtual std::uint32_t tickCount() = 0;  // milliseconds, wrapping at 2^32
};

// Receives only numbers the clock should hear of: never -1 (a value name without a number) nor
// the battery alarm's number, which the clock rings by itself.
class AlarmSignals {
 public:
  virtual ~AlarmSignals() = default;
  virtual void alarmOn(std::int32_t number) = 0;
  virtual void alarmOff(std::int32_t number) = 0;
};

struct ScheduledAlarm {
  AlarmRecord record;
  bool ringing = false;  // started and not yet stopped by the scheduler
};

class AlarmSchedule {
 public:
  // Schedules `records` (enabled ones, numbered) from now, with the uptime counted afresh. Those
  // that never ring again are left out. An alarm that rings at the time of the call goes on
  // ringing when its number is still scheduled, and stops when it would have stopped; one that is
  // gone (deleted, disabled, over) is turned off at once.
  void schedule(std::vector<AlarmRecord> records, AlarmTimeSource& time, AlarmSignals& signals);

  // The per-second check: starts alarms that are due and stops those whose ringing time is up.
  // Between alarms it compares integers only.
  void check(AlarmTimeSource& time, AlarmSignals& signals);

  const std::vector<ScheduledAlarm>& alarms() const noexcept { return alarms_; }

 private:
  enum class Report { None, Start, Stop };
  Report checkDue(ScheduledAlarm& alarm, std::int32_t uptime, AlarmTimeSource& time, bool& haveNow,
                  CalendarTime& now, bool& disabled);

  std::vector<ScheduledAlarm> alarms_;
  UptimeSeconds uptime_;
};

}  // namespace zembrik
