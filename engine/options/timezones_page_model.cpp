#include "engine/options/timezones_page_model.h"

#include <algorithm>
#include <tuple>

#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "engine/timezone/zone_loading.h"

namespace zembrik {

namespace {

char16_t folded(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

int compareIgnoringCase(std::u16string_view a, std::u16string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (folded(a[i]) != folded(b[i]))
      return folded(a[i]) < folded(b[i]) ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool deleted(RegistryKey& key, std::u16string_view name) {
  const RegStatus status = key.deleteValue(name);
  return status == RegStatus::Ok || status == RegStatus::NotFound;
}

OpenedKey openZones(RegistryKey& settingsRoot) {
  return settingsRoot.createSubkey(kZonesSubkey, kKeyRead | kKeySetValue, KeyLifetime::Persistent);
}

}  // namespace

const ZoneRowTexts& zoneHeaderTexts() {
  static const ZoneRowTexts kHeaders = {u"TZ abbr.", u"TimeZone", u"standard", u"daylight"};
  return kHeaders;
}

std::u16string zonesRegistryError() {
  return u"Error can't open registry: " + std::u16string(kSettingsRootPath) + u"\\" +
         std::u16string(kZonesSubkey);
}

TimeZonesPageModel::TimeZonesPageModel(RegistryKey& settingsRoot,
                                       std::function<void()> notifyClocks)
    : settingsRoot_(settingsRoot), notifyClocks_(std::move(notifyClocks)) {}

void TimeZonesPageModel::load(std::vector<SystemZone> zones) {
  zones_ = std::move(zones);
  names_.assign(zones_.size(), ZoneNames());
  shown_.clear();
  sortState_ = 0;
  if (auto key = settingsRoot_.openSubkey(kZonesSubkey, kKeyRead)) {
    std::uint32_t subkeys = 0;
    std::uint32_t values = 0;
    if (key.key->countEntries(subkeys, values) != RegStatus::Ok)
      values = 0;
    RegEnumEntry entry;
    for (std::uint32_t index = values; index-- > 0;) {
      const RegStatus status = key.key->enumValue(index, kEnumNameChars, entry);
      if (status == RegStatus::MoreData)
        continue;
      if (status != RegStatus::Ok)
        break;
      const auto subkey = readText(*key.key, entry.name);
      if (!subkey)
        continue;
      for (std::size_t zone = zones_.size(); zone-- > 0;) {
        if (zones_[zone].keyName == *subkey) {
          names_[zone] = zoneNamesOf(entry.name);
          break;
        }
      }
    }
  }
  for (std::size_t zone = 0; zone < zones_.size(); ++zone) {
    if (!names_[zone].empty())
      shown_.push_back(zone);
  }
  sortBy(kZoneNameColumn);
}

ZoneRowTexts TimeZonesPageModel::rowTexts(std::size_t row) const {
  const std::size_t zone = shown_[row];
  const ZoneNames& names = names_[zone];
  return {names.abbreviation, zones_[zone].displayName, names.standardName, names.daylightName};
}

void TimeZonesPageModel::sortBy(int column) {
  if (column < 0 || column >= kZoneColumns)
    return;
  sortState_ = (sortState_ == column + 1 || sortState_ == -(column + 1)) ? -sortState_ : column + 1;
  sortShown();
}

void TimeZonesPageModel::sortShown() {
  const int column = (sortState_ < 0 ? -sortState_ : sortState_) - 1;
  if (column < 0)
    return;
  auto compare = [&](std::size_t a, std::size_t b) {
    if (column == kZoneNameColumn) {
      if (zones_[a].bias != zones_[b].bias)
        return zones_[a].bias > zones_[b].bias ? -1 : 1;
      return compareIgnoringCase(zones_[a].displayName, zones_[b].displayName);
    }
    auto text = [&](std::size_t zone) -> const std::u16string& {
      const ZoneNames& names = names_[zone];
      return column == 0   ? names.abbreviation
             : column == 2 ? names.standardName
                           : names.daylightName;
    };
    return compareIgnoringCase(text(a), text(b));
  };
  const bool reversed = sortState_ < 0;
  std::stable_sort(shown_.begin(), shown_.end(), [&](std::size_t a, std::size_t b) {
    const int order = compare(a, b);
    return reversed ? order > 0 : order < 0;
  });
}

std::vector<ZoneOffer> TimeZonesPageModel::offers(std::optional<std::size_t> editedZone) const {
  std::vector<std::size_t> zones;
  for (std::size_t zone = 0; zone < zones_.size(); ++zone) {
    if (names_[zone].empty() || zone == editedZone)
      zones.push_back(zone);
  }
  std::stable_sort(zones.begin(), zones.end(), [&](std::size_t a, std::size_t b) {
    if (zones_[a].bias != zones_[b].bias)
      return zones_[a].bias > zones_[b].bias;
    return compareIgnoringCase(zones_[a].displayName, zones_[b].displayName) < 0;
  });
  std::vector<ZoneOffer> result;
  for (std::size_t zone : zones)
    result.push_back({zone, zones_[zone].displayName, zones_[zone].hasDaylight});
  return result;
}

std::vector<TakenAbbreviation> TimeZonesPageModel::takenExcept(
    std::optional<std::size_t> zone) const {
  std::vector<TakenAbbreviation> taken;
  for (std::size_t other : shown_) {
    if (other != zone)
      taken.push_back({names_[other].abbreviation, zones_[other].displayName});
  }
  return taken;
}

ZoneChoiceDialog TimeZonesPageModel::dialogForAdd() const {
  return ZoneChoiceDialog(offers(std::nullopt), std::nullopt, ZoneNames(),
                          takenExcept(std::nullopt));
}

ZoneChoiceDialog TimeZonesPageModel::dialogForEdit(std::size_t row) const {
  const std::size_t zone = shown_[row];
  auto offered = offers(zone);
  const auto selected = static_cast<std::size_t>(
      std::find_if(offered.begin(), offered.end(),
                   [&](const ZoneOffer& offer) { return offer.zone == zone; }) -
      offered.begin());
  return ZoneChoiceDialog(std::move(offered), selected, names_[zone], takenExcept(zone));
}

bool TimeZonesPageModel::add(std::size_t zone, const ZoneNames& names) {
  auto key = openZones(settingsRoot_);
  if (!key || !writeText(*key.key, zoneEntryValueName(names), zones_[zone].keyName))
    return false;
  names_[zone] = names;
  shown_.push_back(zone);  // appended without sorting again
  notifyClocks_();
  return true;
}

bool TimeZonesPageModel::edit(std::size_t row, std::size_t zone, const ZoneNames& names) {
  auto key = openZones(settingsRoot_);
  if (!key)
    return false;
  const std::size_t oldZone = shown_[row];
  const std::u16string oldName = zoneEntryValueName(names_[oldZone]);
  const std::u16string newName = zoneEntryValueName(names);
  const bool sameValue = compareIgnoringCase(oldName, newName) == 0;
  if (sameValue && oldName != newName) {
    // Value names ignore case: the new spelling needs the old value gone first. Put it back
    // when the new one cannot be written.
    if (!deleted(*key.key, oldName))
      return false;
    if (!writeText(*key.key, newName, zones_[zone].keyName)) {
      writeText(*key.key, oldName, zones_[oldZone].keyName);
      return false;
    }
  } else if (!writeText(*key.key, newName, zones_[zone].keyName)) {
    return false;  // the old entry is still there, and so is the row
  }
  const bool oldGone = sameValue || deleted(*key.key, oldName);
  if (zone != oldZone && oldGone)
    names_[oldZone] = ZoneNames();
  names_[zone] = names;
  shown_[row] = zone;
  if (!oldGone && zone != oldZone)
    shown_.push_back(oldZone);  // still configured in the registry, so still listed
  notifyClocks_();
  return oldGone;
}

bool TimeZonesPageModel::remove(std::size_t row) {
  auto key = openZones(settingsRoot_);
  const std::size_t zone = shown_[row];
  if (!key || !deleted(*key.key, zoneEntryValueName(names_[zone])))
    return false;
  names_[zone] = ZoneNames();
  shown_.erase(shown_.begin() + static_cast<std::ptrdiff_t>(row));
  notifyClocks_();
  return true;
}

bool TimeZonesPageModel::chooseLocale(std::u16string_view language) {
  if (readText(settingsRoot_, kSpecialLocaleValue).value_or(std::u16string()) == language)
    return true;
  if (!writeText(settingsRoot_, kSpecialLocaleValue, language))
    return false;
  notifyClocks_();
  return true;
}

}  // namespace zembrik
