#include "engine/options/alarm_rows.h"

#include <cstdio>

namespace zembrik {

namespace {

std::u16string widen(const char* text) {
  std::u16string result;
  for (; *text; ++text) result.push_back(static_cast<char16_t>(*text));
  return result;
}

template <typename... Args>
std::u16string printed(const char* format, Args... args) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return widen(buffer);
}

constexpr const char* kMonthNames[13] = {"???", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char16_t* kDayNames[7] = {u"Su", u"Mo", u"Tu", u"We", u"Th", u"Fr", u"Sa"};

bool showsDate(const AlarmRecord& alarm) {
  return (alarm.flags & kAlarmDateMode) && alarm.date > 0;
}

}  // namespace

const AlarmRowTexts& alarmHeaderTexts() {
  static const AlarmRowTexts kHeaders = {
      u"", u"", u"Alarm", u"Timestamp", u"Repeat", u"Time to alarm", u"Expires"};
  return kHeaders;
}

std::u16string_view alarmRowMarker(bool selected) {
  return selected ? u">" : u"   ";
}

std::u16string alarmTimestampText(const AlarmRecord& alarm) {
  if (alarm.time < 0)
    return u"--:--";
  const int hour = alarm.time / 10000;
  const int minute = alarm.time / 100 % 100;
  if (!showsDate(alarm))
    return printed("%02d:%02d", hour, minute);
  const int month = alarm.date / 100 % 100;
  return printed("%04d-%s-%02d %02d:%02d", alarm.date / 10000, kMonthNames[month % 13],
                 alarm.date % 100, hour, minute);
}

std::u16string alarmRepeatText(const AlarmRecord& alarm) {
  if (alarm.flags & kAlarmWeekly) {
    std::u16string days;
    for (int day = 0; day < 7; ++day) {
      if (!(alarm.flags & alarmDayBit(day)))
        continue;
      if (!days.empty())
        days += u", ";
      days += kDayNames[day];
    }
    return days;
  }
  if (showsDate(alarm)) {
    // The order in which the scheduler tests the bits.
    if (alarm.flags & kAlarmMonthly)
      return u"monthly";
    if (alarm.flags & kAlarmAnnually)
      return u"annually";
  }
  return u"-";
}

std::u16string timeToAlarmText(std::uint64_t seconds) {
  using Wide = unsigned long long;
  if (seconds < 60)
    return printed("in %llu sec", Wide{seconds});
  const std::uint64_t rounded = seconds + 30;
  if (seconds >= 86400) {
    const std::uint64_t days = rounded / 86400;
    const std::uint64_t inDay = rounded % 86400;
    return printed("in %llu day%s, %02llu hours and %02llu min.", Wide{days}, days > 1 ? "s" : "",
                   Wide{inDay / 3600}, Wide{inDay / 60 % 60});
  }
  return printed("in %02llu hours and %02llu min.", Wide{rounded / 3600}, Wide{rounded / 60 % 60});
}

std::u16string expiresText(std::int32_t duration) {
  if (duration <= 0)
    return {};
  const char* unit = "second";
  std::int32_t count = duration;
  if (duration % 3600 == 0) {
    unit = "hour";
    count = duration / 3600;
  } else if (duration % 60 == 0) {
    unit = "minute";
    count = duration / 60;
  }
  return printed("in %d %s%s", count, unit, count > 1 ? "s" : "");
}

AlarmRowTexts alarmRowTexts(const AlarmRecord& alarm, const std::u16string& name, bool shownEnabled,
                            std::uint64_t secondsToAlarm, bool selected) {
  AlarmRowTexts row;
  row[0] = alarmRowMarker(selected);
  row[1] = shownEnabled ? u"+" : u"";
  row[2] = name;
  row[3] = alarmTimestampText(alarm);
  row[4] = alarmRepeatText(alarm);
  row[5] = shownEnabled ? timeToAlarmText(secondsToAlarm) : u"-";
  row[6] = expiresText(alarm.duration);
  return row;
}

}  // namespace zembrik
