#include "engine/timezone/configured_zone_table.h"

#include "engine/timezone/calendar_days.h"

namespace zembrik {

void ConfiguredZoneTable::clear() {
  entries_.clear();
  byKey_.clear();
  byStandardName_.clear();
  utcIndex_ = -1;
  localIndex_ = -1;
}

int ConfiguredZoneTable::append(ZoneEntry entry) {
  // Zone switches carry the index in one character, next to the local and UTC selectors.
  if (entries_.size() > static_cast<std::size_t>(kMaxZoneIndex))
    return -1;
  const int index = static_cast<int>(entries_.size());
  byKey_.insert_or_assign(entry.key, index);
  byStandardName_.insert_or_assign(std::u16string(entry.info.standardNameView()), index);
  entries_.push_back(std::move(entry));
  return index;
}

bool ConfiguredZoneTable::isDaylight(int index, const CalendarTime& utc) {
  if (!holds(index))
    return false;
  auto& entry = entries_[static_cast<std::size_t>(index)];
  return isDaylightInForce(entry.info, millisecondsOf(utc), utc.year, entry.yearCache);
}

bool ConfiguredZoneTable::showsDaylight(int index, const CalendarTime& utc) {
  return index != utcIndex_ && isDaylight(index, utc);
}

int ConfiguredZoneTable::indexByKey(std::u16string_view key) const {
  auto found = byKey_.find(key);
  return found == byKey_.end() ? -1 : found->second;
}

bool ConfiguredZoneTable::zoneTime(int index, const CalendarTime& utc, ZoneTime& out) {
  if (!holds(index))
    return false;
  auto& entry = entries_[static_cast<std::size_t>(index)];
  out = zoneMomentAt(entry.info, utc, entry.yearCache).time;
  return true;
}

std::u16string_view ConfiguredZoneTable::abbreviation(int index, const CalendarTime& utc) {
  if (!holds(index))
    return {};
  const auto& entry = entries_[static_cast<std::size_t>(index)];
  return showsDaylight(index, utc) ? entry.daylightAbbreviation : entry.standardAbbreviation;
}

std::u16string_view ConfiguredZoneTable::name(int index, const CalendarTime& utc,
                                              ZoneNameForm form) {
  if (!holds(index))
    return {};
  const auto& entry = entries_[static_cast<std::size_t>(index)];
  const bool daylight = showsDaylight(index, utc);
  std::u16string_view plain =
      daylight ? entry.info.daylightNameView() : entry.info.standardNameView();
  if (form == ZoneNameForm::Plain)
    return plain;
  std::u16string_view special = daylight ? entry.specialDaylightName : entry.specialStandardName;
  return special.empty() ? plain : special;
}

int ConfiguredZoneTable::indexByStandardName(std::u16string_view standardName) const {
  auto found = byStandardName_.find(standardName);
  return found == byStandardName_.end() ? -1 : found->second;
}

ConfiguredZoneTable& processZoneTable() {
  static ConfiguredZoneTable table;
  return table;
}

}  // namespace zembrik
