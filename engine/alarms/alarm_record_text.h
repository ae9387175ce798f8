#pragma once
// The text of an `alarm_N` value, both ways. The settings editor writes records with
// formatAlarmRecord; the host and the editor read them with parseAlarmRecord.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/alarms/alarm_record.h"

namespace zembrik {

// "-" when disabled, HHMMSS, " ", D/M/Y (upper case in date mode, lower case otherwise) and
// YYYYMMDD, " W:"/" w:" with the day letters up to the last selected day, " C:"/" c:" and the
// colour as blue, green, red in hex, " E:n"/" e:n" unless the duration is 0, " >" and the text.
std::u16string formatAlarmRecord(const AlarmRecord& alarm);

// Fields after the time may be missing and keep their defaults. No record (the alarm is not
// scheduled) when the text does not start with a number or a number does not fit its field.
// The result's number, nextFire and ringEnd are the defaults.
std::optional<AlarmRecord> parseAlarmRecord(std::u16string_view text);

// The decimal number after "alarm_" in a value name; -1 without digits or when it does not fit
// a signed 32-bit number. The name is assumed to start with "alarm_".
std::int32_t alarmNumberOf(std::u16string_view valueName);

inline constexpr std::u16string_view kAlarmValuePrefix = u"alarm_";

}  // namespace zembrik
