#include "engine/alarms/next_occurrence.h"

#include "engine/timezone/calendar_days.h"

namespace zembrik {

namespace {

constexpr std::int64_t kSecondsPerDay = 86'400;
constexpr std::int64_t kSecondsPerWeek = 7 * kSecondsPerDay;

std::int64_t secondOfDay(std::int64_t hhmmss) {
  return hhmmss / 10000 * 3600 + hhmmss / 100 % 100 * 60 + hhmmss % 100;
}

std::int64_t secondOfDay(const CalendarTime& t) {
  return t.hour * 3600 + t.minute * 60 + t.second;
}

std::int64_t secondsOf(const CalendarTime& t) {
  return dayNumberOf(t.year, t.month, t.day) * kSecondsPerDay + secondOfDay(t);
}

// The moment of a stored day and time. A month above 12 carries into the years, a month or day
// below 1 becomes 1, and a day beyond its month becomes the month's last day (so the 31st rings
// on 30 April and 29 February on the 28th in other years). Only the time's own carry (seconds of
// 60 or more, hours above 23) moves the moment into the following days.
std::int64_t momentOf(std::int64_t year, std::int64_t month, std::int64_t day, std::int32_t time) {
  if (month > 12) {
    year += (month - 1) / 12;
    month = (month - 1) % 12 + 1;
  }
  if (month < 1)
    month = 1;
  const int monthNumber = static_cast<int>(month);
  if (day < 1)
    day = 1;
  const int lastDay = daysInMonth(year, monthNumber);
  if (day > lastDay)
    day = lastDay;
  return dayNumberOf(year, monthNumber, day) * kSecondsPerDay + secondOfDay(time);
}

std::int64_t weeklyOccurrence(const AlarmRecord& alarm, const CalendarTime& now) {
  const std::int64_t alarmSecond = secondOfDay(alarm.time);
  const std::int64_t nowSecond = secondOfDay(now);
  std::int64_t sameDayNextWeek = kNeverOccurs;
  for (int i = 0; i < 7; ++i) {
    if (!(alarm.flags & alarmDayBit((now.dayOfWeek + i) % 7)))
      continue;
    if (i > 0 || nowSecond < alarmSecond)
      return alarmSecond + i * kSecondsPerDay - nowSecond;
    sameDayNextWeek = alarmSecond - nowSecond + kSecondsPerWeek;
  }
  return sameDayNextWeek;
}

}  // namespace

std::int64_t nextOccurrence(const AlarmRecord& alarm, const CalendarTime& now) {
  if (alarm.flags & kAlarmWeekly)
    return weeklyOccurrence(alarm, now);

  const std::int64_t year = alarm.date / 10000;
  const std::int64_t month = alarm.date / 100 % 100;
  const std::int64_t day = alarm.date % 100;
  const std::int64_t t = secondsOf(now);
  const std::int64_t stored = momentOf(year, month, day, alarm.time);
  if (stored >= t)
    return stored - t;

  std::int64_t later = 0;
  if (alarm.flags & kAlarmMonthly) {
    const std::int64_t thisMonth = momentOf(now.year, now.month, day, alarm.time);
    if (thisMonth >= t)
      return thisMonth - t;
    const bool december = now.month >= 12;
    later = momentOf(now.year + (december ? 1 : 0), december ? 1 : now.month + 1, day, alarm.time);
  } else if (alarm.flags & kAlarmAnnually) {
    const std::int64_t thisYear = momentOf(now.year, month, day, alarm.time);
    if (thisYear >= t)
      return thisYear - t;
    later = momentOf(now.year + 1, month, day, alarm.time);
  } else {
    return kNeverOccurs;
  }
  return later >= t ? later - t : kNeverOccurs;
}

CalendarTime oneSecondLater(const CalendarTime& now) {
  CalendarTime later = calendarTimeOf((secondsOf(now) + 1) * 1000);
  later.milliseconds = now.milliseconds;
  return later;
}

}  // namespace zembrik
