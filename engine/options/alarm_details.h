#pragma once
// The values of the "Edit Alarm details" dialog, how they come from a stored alarm and go back
// into one, and what the dialog refuses on OK. The Win32 dialog only moves these values between
// its controls and this model.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/alarms/alarm_record.h"
#include "engine/format/calendar_time.h"

namespace zembrik {

enum class AlarmDateMode { NoDate = 0, Weekdays = 1, Date = 2 };
enum class AlarmRepeat { No = 0, Monthly = 1, Annually = 2 };

struct AlarmDetails {
  std::u16string name;
  int hour = 0;
  int minute = 0;
  bool expires = false;
  std::int32_t seconds = 0;  // kept while "Expires" is off, stored negated
  AlarmDateMode mode = AlarmDateMode::NoDate;
  std::array<bool, 7> days = {};  // Sunday first
  int day = 1;
  int month = 1;
  int year = 2010;
  AlarmRepeat repeat = AlarmRepeat::No;
  // The hidden "Notification" group, carried from the record and back.
  bool customColour = false;
  std::u16string cellText;
  std::uint32_t colour = 0xFFFFFF;

  friend bool operator==(const AlarmDetails&, const AlarmDetails&) = default;
};

// A field's allowed range, as the dialog checks it on OK.
struct DetailRange {
  int controlId;
  std::int32_t minimum;
  std::int32_t maximum;
};
// Hour, minute, seconds, day, month, year with their edit controls' ids.
const std::array<DetailRange, 6>& alarmDetailRanges();
inline constexpr std::int32_t kDefaultExpirySeconds = 3600;

// Which controls the dialog enables: the day boxes in "Weekdays" mode, date and repeat in
// "Date" mode, the seconds while "Expires" is ticked. Also turns 0 seconds into the default
// expiry, as the dialog does whenever it updates its controls.
struct AlarmDetailsEnabling {
  bool days = false;
  bool dateAndRepeat = false;
  bool seconds = false;
};
AlarmDetailsEnabling applyEnablingRule(AlarmDetails& details);

// A new alarm: the time and date of `now`, Monday to Friday ticked, everything else empty.
AlarmDetails newAlarmDetails(const CalendarTime& now);

// The dialog filled from a stored alarm. Hour and minute stay those of `now` when the alarm has
// no time; the date stays today's unless the alarm is in date mode with a real date.
AlarmDetails alarmDetailsFrom(const AlarmRecord& alarm, const std::u16string& name,
                              const CalendarTime& now);

// Why OK is refused: the field's range, or a date that never occurs. Empty when the values can
// be stored. Monthly alarms may name day 31 (they ring on the last day of shorter months);
// annual ones may name 29 February; a once-only alarm must name a day of its year.
std::optional<std::u16string> refusalOf(const AlarmDetails& details);

// The record the dialog's values give (everything but the number). An alarm neither weekly nor
// in date mode rings at its time today, or tomorrow when that time has passed.
AlarmRecord recordFrom(const AlarmDetails& details, const CalendarTime& now);

// Gives an alarm that is neither weekly nor in date mode the date of its next ringing: today's,
// or tomorrow's when its time today has passed.
void dateUndatedAlarm(AlarmRecord& alarm, const CalendarTime& now);

}  // namespace zembrik
