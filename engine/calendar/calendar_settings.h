#pragma once
// The calendar popup's values under the settings root, with their defaults and the rules that
// turn stored values outside their range into defined ones.
#include <array>
#include <cstdint>
#include <string>

#include "engine/registry/registry_key.h"

namespace zembrik {

// `CalendarWeeks` bits.
inline constexpr std::uint32_t kNamesAbove = 1;
inline constexpr std::uint32_t kNamesBelow = 2;
inline constexpr std::uint32_t kWeeksLeft = 4;
inline constexpr std::uint32_t kWeeksRight = 8;

struct CalendarSettings {
  int firstWeekday = 1;            // `weekMo`, 0..6 with Sunday 0
  bool topmost = true;             // `topCalendar`
  int alpha = 0;                   // from `transparentCalendar`, 0..255
  std::int32_t todayAfterMs = -1;  // `TodayCalendar`: -1 never, else ms closed before today
  std::array<std::u16string, 7> weekdayNames{u"Su", u"Mo", u"Tu", u"We", u"Th", u"Fr", u"Sa"};
  std::u16string title = u"MMMM - yyyy";           // `CalendarTitle`
  std::u16string font;                             // `CalendarFont`, empty: the surface's own font
  std::uint32_t weeks = kNamesAbove | kWeeksLeft;  // `CalendarWeeks`, unknown bits cleared

  bool operator==(const CalendarSettings&) const = default;
};

// The alpha of a `transparentCalendar` percentage; -1 for a value above 100, which leaves the
// previous alpha in place.
int calendarAlphaFor(std::uint32_t percent) noexcept;

// Reads the values from the settings root. Absent or malformed values take their defaults,
// except a `transparentCalendar` above 100, which keeps `previous.alpha`.
CalendarSettings readCalendarSettings(RegistryKey& root, const CalendarSettings& previous);

}  // namespace zembrik
