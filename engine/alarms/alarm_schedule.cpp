#include "engine/alarms/alarm_schedule.h"

#include <algorithm>
#include <limits>

#include "engine/alarms/next_occurrence.h"
#include "engine/meters/alarm_display.h"

namespace zembrik {

namespace {

constexpr std::int64_t kLatestSecond = std::numeric_limits<std::int32_t>::max();

bool tellsTheClock(std::int32_t number) {
  return number != kNoAlarmNumber && number != kBatteryAlarmNumber;
}

// The uptime second `offset` seconds after `uptime`, or -1 when it is beyond the 32-bit count
// (more than 68 years away): such an alarm counts as never ringing.
std::int32_t secondAfter(std::int32_t uptime, std::int64_t offset) {
  const std::int64_t second = uptime + offset;
  return second > kLatestSecond ? kNoNextFire : static_cast<std::int32_t>(second);
}

// The end of a ringing that starts at `start`: 0 (no automatic end) unless the duration is
// positive. -1 when it does not fit.
std::int32_t ringEndAfter(std::int32_t start, std::int32_t duration) {
  return duration >= 1 ? secondAfter(start, duration) : 0;
}

// Next start and end of an alarm `offset` seconds after `uptime`; false when they do not fit.
bool nextRinging(std::int32_t uptime, std::int64_t offset, std::int32_t duration,
                 std::int32_t& nextFire, std::int32_t& ringEnd) {
  if (offset < 0)
    return false;
  nextFire = secondAfter(uptime, offset);
  if (nextFire == kNoNextFire)
    return false;
  ringEnd = ringEndAfter(nextFire, duration);
  return ringEnd != kNoNextFire;
}

struct RingingBefore {
  std::int32_t number;
  std::int32_t secondsLeft;  // 0: no automatic end
  bool matched = false;
};

}  // namespace

void AlarmSchedule::schedule(std::vector<AlarmRecord> records, AlarmTimeSource& time,
                             AlarmSignals& signals) {
  std::vector<RingingBefore> ringing;
  if (!alarms_.empty()) {
    const std::int32_t oldUptime = uptime_.at(time.tickCount());
    for (const auto& alarm : alarms_) {
      if (!alarm.ringing || !tellsTheClock(alarm.record.number))
        continue;
      const std::int32_t end = alarm.record.ringEnd;
      ringing.push_back({alarm.record.number, end == 0 ? 0 : std::max(end - oldUptime, 1)});
    }
  }

  alarms_.clear();
  // The uptime seconds turn over with the local time's seconds: an alarm is due at the start of
  // its second, not up to a second later.
  const CalendarTime now = time.localNow();
  const std::uint32_t tick = time.tickCount();
  uptime_.reset(tick, now.milliseconds < 1000 ? now.milliseconds : 0);
  const std::int32_t uptime = uptime_.at(tick);
  for (auto& record : records) {
    ScheduledAlarm alarm{std::move(record)};
    auto& r = alarm.record;
    if (!nextRinging(uptime, nextOccurrence(r, now), r.duration, r.nextFire, r.ringEnd)) {
      r.nextFire = kNoNextFire;
      r.ringEnd = 0;
    }
    for (auto& before : ringing) {
      if (before.matched || before.number != r.number)
        continue;
      before.matched = true;
      alarm.ringing = true;
      if (before.secondsLeft != 0)
        r.ringEnd = secondAfter(uptime, before.secondsLeft);
      break;
    }
    if (r.nextFire != kNoNextFire || alarm.ringing)
      alarms_.push_back(std::move(alarm));
  }
  for (const auto& before : ringing) {
    if (!before.matched)
      signals.alarmOff(before.number);
  }
}

AlarmSchedule::Report AlarmSchedule::checkDue(ScheduledAlarm& alarm, std::int32_t uptime,
                                              AlarmTimeSource& time, bool& haveNow,
                                              CalendarTime& now, bool& disabled) {
  auto& r = alarm.record;
  // Unsigned, so a nextFire of -1 is never reached.
  if (static_cast<std::uint32_t>(uptime) < static_cast<std::uint32_t>(r.nextFire)) {
    if (r.ringEnd == 0 || uptime < r.ringEnd)
      return Report::None;
    if (r.nextFire == kNoNextFire) {
      disabled = true;
    } else {
      r.ringEnd = ringEndAfter(r.nextFire, r.duration);
      if (r.ringEnd == kNoNextFire)
        r.ringEnd = 0;
    }
    return Report::Stop;
  }

  if (!haveNow) {
    now = time.localNow();
    haveNow = true;
  }
  std::int64_t next = nextOccurrence(r, now);
  // Due at this very second: the next ringing after it.
  if (next == 0)
    next = nextOccurrence(r, oneSecondLater(now));
  const bool starts = r.ringEnd == 0 || uptime < r.ringEnd;
  std::int32_t nextFire = kNoNextFire;
  std::int32_t ringEnd = 0;
  if (!nextRinging(uptime, next, r.duration, nextFire, ringEnd)) {
    if (starts) {
      r.nextFire = kNoNextFire;
    } else {
      disabled = true;
    }
  } else {
    r.nextFire = nextFire;
    if (!starts)
      r.ringEnd = ringEnd;
  }
  return starts ? Report::Start : Report::None;
}

void AlarmSchedule::check(AlarmTimeSource& time, AlarmSignals& signals) {
  if (alarms_.empty())
    return;
  const std::int32_t uptime = uptime_.at(time.tickCount());
  bool haveNow = false;
  CalendarTime now;
  for (std::size_t i = alarms_.size(); i-- > 0;) {
    auto& alarm = alarms_[i];
    const auto& r = alarm.record;
    // The common case, neither due nor ending: two comparisons.
    if (static_cast<std::uint32_t>(uptime) < static_cast<std::uint32_t>(r.nextFire) &&
        (r.ringEnd == 0 || uptime < r.ringEnd))
      continue;
    bool disabled = false;
    const Report report = checkDue(alarm, uptime, time, haveNow, now, disabled);
    if (report != Report::None)
      alarm.ringing = report == Report::Start;
    const std::int32_t number = alarm.record.number;
    // A disabled alarm never rings again; it leaves the list even when nothing was reported.
    if (disabled)
      alarms_.erase(alarms_.begin() + static_cast<std::ptrdiff_t>(i));
    if (report == Report::None || !tellsTheClock(number))
      continue;
    if (report == Report::Start) {
      signals.alarmOn(number);
    } else {
      signals.alarmOff(number);
    }
  }
}

}  // namespace zembrik
