#pragma once
// What the format language asks of the table of configured time zones. The table is filled when
// the settings are loaded; an empty table is a valid state (the host program never loads zones):
// every lookup fails and the renderer falls back to its built-in UTC and local names.
#include <cstdint>
#include <string_view>

#include "engine/format/calendar_time.h"

namespace zembrik {

// Zone selector carried by a compiled zone switch: an index of a configured zone, or one of these.
inline constexpr std::uint16_t kZoneLocal = 0xFFFF;
inline constexpr std::uint16_t kZoneUtc = 0xFFFE;
inline constexpr int kMaxZoneIndex = 0xFFFD;  // larger indexes cannot be written into a segment

struct ZoneTime {
  CalendarTime local;            // the zone's wall-clock time
  std::int32_t biasMinutes = 0;  // UTC minus the zone's local time
};

enum class ZoneNameForm { Plain, SpecialLocale };

class ZoneTable {
 public:
  virtual ~ZoneTable() = default;

  // Compile time: the index of the zone whose key equals `key`, negative when there is none.
  virtual int indexByKey(std::u16string_view key) const = 0;

  // Render time. zoneTime gives false for an index the table does not hold. The texts stay
  // valid until the table changes; an empty view means the zone has no such text.
  virtual bool zoneTime(int index, const CalendarTime& utc, ZoneTime& out) = 0;
  virtual std::u16string_view abbreviation(int index, const CalendarTime& utc) = 0;
  virtual std::u16string_view name(int index, const CalendarTime& utc, ZoneNameForm form) = 0;

  // The configured zone that stands for UTC, negative when none.
  virtual int utcIndex() const = 0;
  // The zone whose standard name equals `standardName`, negative when none.
  virtual int indexByStandardName(std::u16string_view standardName) const = 0;
  // The local zone once the renderer has found it; negative until then. Reloading the table
  // forgets it, because indexes change.
  virtual int localIndex() const = 0;
  virtual void setLocalIndex(int index) = 0;
};

// The table with no zones.
class EmptyZoneTable final : public ZoneTable {
 public:
  int indexByKey(std::u16string_view) const override { return -1; }
  bool zoneTime(int, const CalendarTime&, ZoneTime&) override { return false; }
  std::u16string_view abbreviation(int, const CalendarTime&) override { return {}; }
  std::u16string_view name(int, const CalendarTime&, ZoneNameForm) override { return {}; }
  int utcIndex() const override { return -1; }
  int indexByStandardName(std::u16string_view) const override { return -1; }
  int localIndex() const override { return -1; }
  void setLocalIndex(int) override {}
};

}  // namespace zembrik
