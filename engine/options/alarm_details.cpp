#include "engine/options/alarm_details.h"

#include <cstdio>

#include "engine/alarms/next_occurrence.h"
#include "engine/timezone/calendar_days.h"

namespace zembrik {

namespace {

constexpr const char* kMonthNames[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};

std::u16string widen(const char* text) {
  std::u16string result;
  for (; *text; ++text) result.push_back(static_cast<char16_t>(*text));
  return result;
}

bool inRange(std::int32_t value, const DetailRange& range) {
  return value >= range.minimum && value <= range.maximum;
}

}  // namespace

const std::array<DetailRange, 6>& alarmDetailRanges() {
  static const std::array<DetailRange, 6> kRanges = {{{1095, 0, 23},
                                                      {1096, 0, 59},
                                                      {1016, 0, 1000000},
                                                      {1097, 1, 31},
                                                      {1098, 1, 12},
                                                      {1099, 2010, 2100}}};
  return kRanges;
}

AlarmDetailsEnabling applyEnablingRule(AlarmDetails& details) {
  if (details.seconds == 0)
    details.seconds = kDefaultExpirySeconds;
  return {details.mode == AlarmDateMode::Weekdays, details.mode == AlarmDateMode::Date,
          details.expires};
}

AlarmDetails newAlarmDetails(const CalendarTime& now) {
  AlarmDetails details;
  details.hour = now.hour;
  details.minute = now.minute;
  details.days = {false, true, true, true, true, true, false};
  details.day = now.day;
  details.month = now.month;
  details.year = now.year;
  return details;
}

AlarmDetails alarmDetailsFrom(const AlarmRecord& alarm, const std::u16string& name,
                              const CalendarTime& now) {
  AlarmDetails details = newAlarmDetails(now);
  details.name = name;
  details.expires = alarm.duration > 0;
  // The magnitude of INT32_MIN does not fit; no dialog stores it, so it becomes the default.
  details.seconds = alarm.duration == INT32_MIN ? 0
                    : alarm.duration < 0        ? -alarm.duration
                                                : alarm.duration;
  for (int day = 0; day < 7; ++day) details.days[day] = (alarm.flags & alarmDayBit(day)) != 0;
  details.repeat = (alarm.flags & kAlarmAnnually)  ? AlarmRepeat::Annually
                   : (alarm.flags & kAlarmMonthly) ? AlarmRepeat::Monthly
                                                   : AlarmRepeat::No;
  details.mode = (alarm.flags & kAlarmDateMode) ? AlarmDateMode::Date
                 : (alarm.flags & kAlarmWeekly) ? AlarmDateMode::Weekdays
                                                : AlarmDateMode::NoDate;
  if (details.mode == AlarmDateMode::Date && alarm.date > 20000000) {
    details.year = alarm.date / 10000;
    details.month = alarm.date / 100 % 100 % 13;
    details.day = alarm.date % 100;
  }
  if (alarm.time >= 0) {
    details.hour = alarm.time / 10000;
    details.minute = alarm.time / 100 % 100;
  }
  details.colour = alarm.colour;
  details.cellText = alarm.cellText;
  details.customColour = (alarm.flags & kAlarmCustomColour) != 0;
  return details;
}

std::optional<std::u16string> refusalOf(const AlarmDetails& details) {
  const auto& ranges = alarmDetailRanges();
  const std::int32_t values[] = {details.hour, details.minute, details.seconds,
                                 details.day,  details.month,  details.year};
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    if (!inRange(values[i], ranges[i])) {
      char text[96];
      std::snprintf(text, sizeof text, "Please enter an integer between %d and %d.",
                    ranges[i].minimum, ranges[i].maximum);
      return widen(text);
    }
  }
  if (details.mode != AlarmDateMode::Date || details.repeat == AlarmRepeat::Monthly)
    return std::nullopt;
  // An annual alarm needs the day in some year: a leap year has the longest February.
  const std::int64_t year = details.repeat == AlarmRepeat::Annually ? 2000 : details.year;
  if (details.day <= daysInMonth(year, details.month))
    return std::nullopt;
  char text[128];
  if (details.repeat == AlarmRepeat::Annually) {
    std::snprintf(text, sizeof text, "There is no %d %s in any year.\nPlease enter another date.",
                  details.day, kMonthNames[details.month - 1]);
  } else {
    std::snprintf(text, sizeof text, "There is no %d %s %d.\nPlease enter another date.",
                  details.day, kMonthNames[details.month - 1], details.year);
  }
  return widen(text);
}

void dateUndatedAlarm(AlarmRecord& alarm, const CalendarTime& now) {
  if (alarm.flags & (kAlarmWeekly | kAlarmDateMode))
    return;
  alarm.date = now.year * 10000 + now.month * 100 + now.day;
  if (nextOccurrence(alarm, now) != kNeverOccurs)
    return;
  const CalendarTime tomorrow =
      calendarTimeOf((dayNumberOf(now.year, now.month, now.day) + 1) * kMillisecondsPerDay);
  alarm.date = tomorrow.year * 10000 + tomorrow.month * 100 + tomorrow.day;
}

AlarmRecord recordFrom(const AlarmDetails& details, const CalendarTime& now) {
  AlarmRecord record;
  record.flags = kAlarmEnabled;
  for (int day = 0; day < 7; ++day) {
    if (details.days[day])
      record.flags |= alarmDayBit(day);
  }
  if (details.repeat == AlarmRepeat::Monthly)
    record.flags |= kAlarmMonthly;
  else if (details.repeat == AlarmRepeat::Annually)
    record.flags |= kAlarmAnnually;
  if (details.mode == AlarmDateMode::Weekdays)
    record.flags |= kAlarmWeekly;
  else if (details.mode == AlarmDateMode::Date)
    record.flags |= kAlarmDateMode;
  record.date = details.year * 10000 + details.month * 100 + details.day;
  record.time = details.hour * 10000 + details.minute * 100;
  record.colour = details.colour;
  record.cellText = details.cellText;
  if (details.customColour)
    record.flags |= kAlarmCustomColour;
  dateUndatedAlarm(record, now);
  record.duration = details.expires ? details.seconds : -details.seconds;
  return record;
}

}  // namespace zembrik
