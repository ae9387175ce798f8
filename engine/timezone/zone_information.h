#pragma once
// A zone's rules and names as the platform's TIME_ZONE_INFORMATION holds them, and the 44-byte
// "TZI" record of the system's time-zone database they come from.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "engine/format/calendar_time.h"

namespace zembrik {

// A change of time: month, weekday (dayOfWeek), occurrence 1-5 in `day` (5 = the last such
// weekday of the month) and the local time of day of the change. Month 0: no such change.
using TransitionRule = CalendarTime;

struct ZoneInformation {
  static constexpr std::size_t kNameChars = 32;  // with the terminator

  std::int32_t bias = 0;  // minutes, UTC minus local standard time before standardBias
  char16_t standardName[kNameChars] = {};
  TransitionRule standardDate;  // the change back to standard time
  std::int32_t standardBias = 0;
  char16_t daylightName[kNameChars] = {};
  TransitionRule daylightDate;  // the change to daylight time
  std::int32_t daylightBias = 0;

  std::u16string_view standardNameView() const { return nameView(standardName); }
  std::u16string_view daylightNameView() const { return nameView(daylightName); }
  // A longer name is cut to 31 characters, as the platform record holds it.
  void setStandardName(std::u16string_view name) { copyName(name, standardName); }
  void setDaylightName(std::u16string_view name) { copyName(name, daylightName); }

 private:
  static std::u16string_view nameView(const char16_t (&name)[kNameChars]) {
    return {name, static_cast<std::size_t>(std::find(name, name + kNameChars - 1, u'\0') - name)};
  }
  static void copyName(std::u16string_view from, char16_t (&to)[kNameChars]) {
    auto n = std::min(from.size(), kNameChars - 1);
    std::copy_n(from.data(), n, to);
    std::fill(to + n, to + kNameChars, u'\0');
  }
};

inline constexpr std::size_t kTziBytes = 44;
// Biases beyond a day do not describe any zone; a record carrying one is treated as unreadable,
// which also keeps every sum of biases far inside 32 bits.
inline constexpr std::int32_t kMaxBiasMinutes = 24 * 60;

// Reads a REG_TZI_FORMAT record (little-endian: bias, standard bias, daylight bias, standard
// date, daylight date). Nothing unless it is exactly 44 bytes with plausible biases.
std::optional<ZoneInformation> parseTzi(std::span<const std::uint8_t> bytes);

// The record parseTzi reads (names are not part of it).
std::vector<std::uint8_t> encodeTzi(const ZoneInformation& zone);

// True when the zone changes to daylight time at all: different biases and both changes given
// as valid rules (a month 1-12, a weekday 0-6, an occurrence 1-5 and a time of day).
bool observesDaylightSaving(const ZoneInformation& zone);

}  // namespace zembrik
