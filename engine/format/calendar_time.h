#pragma once
// A moment as a calendar record, laid out like the platform's SYSTEMTIME so adapters copy it
// field by field. Algorithms take it as input; nothing in the engine reads the clock itself.
#include <cstdint>

namespace zembrik {

struct CalendarTime {
  std::uint16_t year = 0;
  std::uint16_t month = 0;      // 1-12
  std::uint16_t dayOfWeek = 0;  // 0-6, Sunday = 0
  std::uint16_t day = 0;        // 1-31
  std::uint16_t hour = 0;
  std::uint16_t minute = 0;
  std::uint16_t second = 0;
  std::uint16_t milliseconds = 0;

  friend bool operator==(const CalendarTime&, const CalendarTime&) = default;
};

}  // namespace zembrik
