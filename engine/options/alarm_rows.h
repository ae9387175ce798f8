#pragma once
// The texts of the Alarms page's table: one row per alarm, seven columns. Pure functions of the
// alarm and of the seconds to its next ringing, so the page and its tests share them.
#include <array>
#include <cstdint>
#include <string>

#include "engine/alarms/alarm_record.h"

namespace zembrik {

inline constexpr int kAlarmColumns = 7;
using AlarmRowTexts = std::array<std::u16string, kAlarmColumns>;

// Row 0: column 0 empty, then "", "Alarm", "Timestamp", "Repeat", "Time to alarm", "Expires".
const AlarmRowTexts& alarmHeaderTexts();

// Column 0: ">" in the selected row, three blanks elsewhere.
std::u16string_view alarmRowMarker(bool selected);

// "2027-Apr-30 07:30" in date mode with a positive date ("???" for a month outside 1..12 after
// taking it modulo 13), else "07:30". An alarm whose time was never stored shows "--:--".
std::u16string alarmTimestampText(const AlarmRecord& alarm);

// Weekly: the selected days' short names joined by ", "; in date mode with a positive date
// "monthly", "annually" or "-"; otherwise "-".
std::u16string alarmRepeatText(const AlarmRecord& alarm);

// "in 45 sec", "in 01 hours and 30 min.", "in 2 days, 02 hours and 00 min."; the minutes are
// rounded to the nearest one.
std::u16string timeToAlarmText(std::uint64_t seconds);

// "in 1 hour", "in 90 seconds", "in 2 minutes"; empty for a duration of 0 or below (the alarm
// rings until it is dismissed).
std::u16string expiresText(std::int32_t duration);

// The whole row for an alarm shown as enabled or not, with its seconds to the next ringing
// (ignored when it is shown disabled: the column then shows "-").
AlarmRowTexts alarmRowTexts(const AlarmRecord& alarm, const std::u16string& name, bool shownEnabled,
                            std::uint64_t secondsToAlarm, bool selected);

}  // namespace zembrik
