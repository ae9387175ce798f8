#pragma once
// One alarm as the host schedules it and as the settings editor edits it. The text form stored
// in the registry value `alarm_N` is made and read by alarm_record_text.h.
#include <cstdint>
#include <string>

namespace zembrik {

// Bits of AlarmRecord::flags.
inline constexpr std::uint32_t kAlarmEnabled = 1u << 31;
inline constexpr std::uint32_t kAlarmAnnually = 1u << 30;
inline constexpr std::uint32_t kAlarmMonthly = 1u << 29;
inline constexpr std::uint32_t kAlarmDateMode = 1u << 28;
inline constexpr std::uint32_t kAlarmWeekly = 1u << 27;
inline constexpr std::uint32_t kAlarmCustomColour = 1u << 23;
inline constexpr int kAlarmFirstDayBit = 16;  // Sunday; Saturday is bit 22
inline constexpr std::uint32_t kAlarmDayBits = 0x7Fu << kAlarmFirstDayBit;

constexpr std::uint32_t alarmDayBit(int weekday) {  // 0 = Sunday
  return 1u << (kAlarmFirstDayBit + weekday);
}

// The number of a value name without digits; such an alarm rings but tells the clock nothing.
inline constexpr std::int32_t kNoAlarmNumber = -1;
inline constexpr std::int32_t kNoNextFire = -1;

struct AlarmRecord {
  std::int32_t number = kNoAlarmNumber;  // N of `alarm_N`
  std::int32_t time = 0;                 // HHMMSS as a decimal number
  std::int32_t date = -1;                // YYYYMMDD as a decimal number; -1 when absent
  std::uint32_t flags = 0;
  // Seconds of ringing: positive from "E", negative (-n) from "e" (kept, no automatic stop),
  // 0 when absent.
  std::int32_t duration = 0;
  std::uint32_t colour = 0;  // 0xBBGGRR
  std::u16string cellText;
  // Uptime seconds of the next start of ringing (-1: none) and of the end of the current or
  // next ringing (0: no automatic end).
  std::int32_t nextFire = kNoNextFire;
  std::int32_t ringEnd = 0;

  bool enabled() const noexcept { return (flags & kAlarmEnabled) != 0; }

  friend bool operator==(const AlarmRecord&, const AlarmRecord&) = default;
};

}  // namespace zembrik
