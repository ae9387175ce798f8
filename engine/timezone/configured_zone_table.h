#pragma once
// The table of configured time zones: one entry per zone the user named in `tzones`, plus the
// system's own zone and a stand-in for UTC. Built by reloadTimeZones (zone_loading.h) at every
// settings load; the format language reads it through the ZoneTable interface.
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/format/zone_table.h"
#include "engine/timezone/daylight_saving.h"
#include "engine/timezone/zone_information.h"

namespace zembrik {

struct ZoneEntry {
  std::u16string key;     // what a zone switch names
  std::u16string subkey;  // the zone's key in the system's database
  ZoneInformation info;   // rules and plain names (at most 31 characters each)
  std::u16string standardAbbreviation;
  std::u16string daylightAbbreviation;
  std::u16string specialStandardName;  // in the `ZN-locale` language, or the plain "Std"
  std::u16string specialDaylightName;  // likewise "Dlt"
  DaylightYearCache yearCache;
};

class ConfiguredZoneTable final : public ZoneTable {
 public:
  // Forgets every zone, both lookups, the UTC and the local zone.
  void clear();
  // Adds an entry and maps its key and standard name to it (a later entry takes over a key or
  // name an earlier one had). Returns its index, or -1 when the table cannot address more.
  int append(ZoneEntry entry);
  void setUtcIndex(int index) { utcIndex_ = index; }

  std::size_t size() const { return entries_.size(); }
  const ZoneEntry& entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }
  bool containsKey(std::u16string_view key) const { return byKey_.contains(key); }
  // True at `utc` when the zone is in daylight saving time; false for an unknown index.
  bool isDaylight(int index, const CalendarTime& utc);

  // Set once a "MUI_Std"/"MUI_Dlt" lookup failed: names then come from "Std"/"Dlt" for the rest
  // of the process, so the flag survives clear().
  bool muiNamesFailed() const { return muiNamesFailed_; }
  void noteMuiNamesFailed() { muiNamesFailed_ = true; }

  // ZoneTable
  int indexByKey(std::u16string_view key) const override;
  bool zoneTime(int index, const CalendarTime& utc, ZoneTime& out) override;
  std::u16string_view abbreviation(int index, const CalendarTime& utc) override;
  std::u16string_view name(int index, const CalendarTime& utc, ZoneNameForm form) override;
  int utcIndex() const override { return utcIndex_; }
  int indexByStandardName(std::u16string_view standardName) const override;
  int localIndex() const override { return localIndex_; }
  void setLocalIndex(int index) override { localIndex_ = index; }

 private:
  bool holds(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < entries_.size();
  }
  // The UTC zone always shows its standard texts.
  bool showsDaylight(int index, const CalendarTime& utc);

  std::vector<ZoneEntry> entries_;
  std::map<std::u16string, int, std::less<>> byKey_;
  std::map<std::u16string, int, std::less<>> byStandardName_;
  int utcIndex_ = -1;
  int localIndex_ = -1;
  bool muiNamesFailed_ = false;
};

// The table of this process, shared by every clock it shows.
ConfiguredZoneTable& processZoneTable();

}  // namespace zembrik
