#include "engine/timezone/zone_loading.h"

#include <memory>
#include <optional>

#include "engine/registry/registry_access.h"
#include "engine/timezone/indirect_string.h"

namespace zembrik {

ZoneKeyText splitZoneKeyText(std::u16string_view text) {
  ZoneKeyText parts;
  const auto first = text.find(u'\x0001');
  parts.key = text.substr(0, first);
  if (first == std::u16string_view::npos)
    return parts;
  const auto rest = text.substr(first + 1);
  const auto second = rest.find(u'\x0001');
  parts.standardAbbreviation = rest.substr(0, second);
  if (second != std::u16string_view::npos)
    parts.daylightAbbreviation = rest.substr(second + 1);
  return parts;
}

namespace {

// One run of reloadTimeZones: the open keys, the special locale and its loaded files.
class ZoneLoad {
 public:
  ZoneLoad(ConfiguredZoneTable& table, RegistryKey& databaseKey, ZoneNamePlatform& names,
           std::u16string specialLocale)
      : table_(table), database_(databaseKey), names_(names) {
    if (!specialLocale.empty()) {
      specialLocale_ = std::make_unique<SpecialLocaleResolver>(names, std::move(specialLocale));
    }
  }

  // Adds the zone of database subkey `subkey` under the key text `keyText`; a zone that cannot
  // be read, or whose whole key text is already a key, is left out.
  void addZone(std::u16string_view keyText, std::u16string_view subkey) {
    // An empty path would open the database key itself.
    if (subkey.empty())
      return;
    auto zoneKey = database_.openSubkey(subkey, kKeyRead);
    if (!zoneKey)
      return;
    auto tzi = readBinary(*zoneKey.key, u"TZI", kTziBytes);
    if (!tzi)
      return;
    auto info = parseTzi(*tzi);
    if (!info)
      return;

    ZoneEntry entry;
    entry.info = *info;
    entry.info.setStandardName(plainName(*zoneKey.key, subkey, u"MUI_Std", u"Std"));
    entry.info.setDaylightName(plainName(*zoneKey.key, subkey, u"MUI_Dlt", u"Dlt"));

    if (table_.containsKey(keyText))
      return;
    const ZoneKeyText parts = splitZoneKeyText(keyText);
    entry.key = parts.key;
    entry.standardAbbreviation = parts.standardAbbreviation;
    entry.daylightAbbreviation = parts.daylightAbbreviation;
    entry.subkey = subkey;
    setSpecialNames(*zoneKey.key, entry);

    const int index = table_.append(std::move(entry));
    if (index < 0)
      return;
    if (subkey == kUtcSubkey) {
      table_.setUtcIndex(index);
      utcConfigured_ = true;
    }
  }

  bool utcConfigured() const { return utcConfigured_; }

 private:
  // The name in the user's display language; once that lookup has failed in this process, the
  // plain value.
  std::u16string plainName(RegistryKey& zoneKey, std::u16string_view subkey,
                           std::u16string_view muiValue, std::u16string_view plainValue) {
    if (!table_.muiNamesFailed()) {
      if (auto name = names_.loadMuiString(subkey, muiValue))
        return std::move(*name);
      table_.noteMuiNamesFailed();
    }
    return readText(zoneKey, plainValue).value_or(std::u16string());
  }

  // Names in the special locale; the first failure turns it off for the rest of this load and
  // the entry takes the plain "Std"/"Dlt" values instead.
  void setSpecialNames(RegistryKey& zoneKey, ZoneEntry& entry) {
    if (specialLocale_ && !specialLocaleFailed_) {
      auto standard = resolveSpecial(zoneKey, u"MUI_Std");
      auto daylight = standard ? resolveSpecial(zoneKey, u"MUI_Dlt") : std::nullopt;
      if (standard && daylight) {
        entry.specialStandardName = std::move(*standard);
        entry.specialDaylightName = std::move(*daylight);
        return;
      }
      specialLocaleFailed_ = true;
    }
    entry.specialStandardName = readText(zoneKey, u"Std").value_or(std::u16string());
    entry.specialDaylightName = readText(zoneKey, u"Dlt").value_or(std::u16string());
  }

  std::optional<std::u16string> resolveSpecial(RegistryKey& zoneKey, std::u16string_view value) {
    auto raw = readText(zoneKey, value);
    if (!raw)
      return std::nullopt;
    return specialLocale_->resolve(*raw);
  }

  ConfiguredZoneTable& table_;
  RegistryKey& database_;
  ZoneNamePlatform& names_;
  std::unique_ptr<SpecialLocaleResolver> specialLocale_;  // unloads its files at the end
  bool specialLocaleFailed_ = false;
  bool utcConfigured_ = false;
};

// The configured zones, from the last value to the first. A name too long for the 1024-character
// buffer is skipped; any other error ends the enumeration.
void addConfiguredZones(RegistryKey& zones, ZoneLoad& load) {
  std::uint32_t subkeys = 0;
  std::uint32_t values = 0;
  if (zones.countEntries(subkeys, values) != RegStatus::Ok)
    return;
  for (std::uint32_t i = values; i-- > 0;) {
    RegEnumEntry value;
    const RegStatus status = zones.enumValue(i, kEnumNameChars, value);
    if (status == RegStatus::MoreData)
      continue;
    if (status != RegStatus::Ok)
      return;
    if (auto subkey = readText(zones, value.name))
      load.addZone(value.name, *subkey);
  }
}

}  // namespace

void reloadTimeZones(ConfiguredZoneTable& table, RegistryKey& settingsRoot,
                     const ZoneDatabaseAccess& database) {
  std::u16string specialLocale =
      readText(settingsRoot, kSpecialLocaleValue).value_or(std::u16string());
  table.clear();

  auto zones = settingsRoot.createSubkey(kZonesSubkey, kKeyRead, KeyLifetime::Persistent);
  if (!zones)
    return;
  auto databaseKey = database.localMachine.openSubkey(kTimeZoneDatabasePath, kKeyRead);
  if (!databaseKey)
    return;

  ZoneLoad load(table, *databaseKey.key, database.names, std::move(specialLocale));
  addConfiguredZones(*zones.key, load);

  // The system's own zone, so the local time can show its names even when nobody configured it.
  // A translated standard name names no database key, and then nothing is added.
  SystemZoneInfo system;
  if (database.systemZone.read(system) &&
      table.indexByStandardName(system.standardNameView()) < 0) {
    load.addZone(u"", system.standardNameView());
  }

  if (!load.utcConfigured())
    load.addZone(kUtcStandInKey, kUtcSubkey);
}

}  // namespace zembrik
