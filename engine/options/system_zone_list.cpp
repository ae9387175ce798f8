#include "engine/options/system_zone_list.h"

#include <algorithm>

#include "engine/registry/registry_access.h"
#include "engine/timezone/zone_information.h"

namespace zembrik {

namespace {

char16_t folded(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool lessIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char16_t x, char16_t y) { return folded(x) < folded(y); });
}

bool beginsIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char16_t x, char16_t y) { return folded(x) == folded(y); });
}

// Subkey names from the last to the first; a name too long for the buffer is skipped, any other
// error ends the list.
std::vector<std::u16string> subkeysFromLast(RegistryKey& key) {
  std::vector<std::u16string> names;
  std::uint32_t subkeys = 0;
  std::uint32_t values = 0;
  if (key.countEntries(subkeys, values) != RegStatus::Ok)
    return names;
  RegEnumEntry entry;
  for (std::uint32_t index = subkeys; index-- > 0;) {
    const RegStatus status = key.enumSubkey(index, kEnumNameChars, entry);
    if (status == RegStatus::MoreData)
      continue;
    if (status != RegStatus::Ok)
      break;
    names.push_back(entry.name);
  }
  return names;
}

}  // namespace

std::vector<SystemZone> readSystemZones(RegistryKey& localMachine, ZoneNamePlatform& names) {
  std::vector<SystemZone> zones;
  auto database = localMachine.openSubkey(kTimeZoneDatabasePath, kKeyRead);
  if (!database)
    return zones;
  bool muiFailed = false;
  for (std::u16string& subkey : subkeysFromLast(*database.key)) {
    auto zoneKey = database.key->openSubkey(subkey, kKeyRead);
    if (!zoneKey)
      continue;
    if (readNumber(*zoneKey.key, u"IsObsolete").value_or(0) != 0)
      continue;
    const auto tzi = readBinary(*zoneKey.key, u"TZI", kTziBytes);
    const auto rules = tzi ? parseTzi(*tzi) : std::nullopt;
    if (!rules)
      continue;
    SystemZone zone;
    if (!muiFailed) {
      if (auto display = names.loadMuiString(subkey, u"MUI_Display"))
        zone.displayName = std::move(*display);
      else
        muiFailed = true;
    }
    if (muiFailed)
      zone.displayName = readText(*zoneKey.key, u"Display").value_or(std::u16string());
    zone.keyName = std::move(subkey);
    zone.bias = rules->bias;
    zone.hasDaylight = observesDaylightSaving(*rules);
    zones.push_back(std::move(zone));
  }
  return zones;
}

LocaleChoices readLocaleChoices(RegistryKey& localMachine, std::u16string_view current) {
  LocaleChoices choices;
  if (auto languages = localMachine.openSubkey(kUiLanguagesPath, kKeyRead))
    choices.items = subkeysFromLast(*languages.key);
  if (!choices.items.empty())
    choices.items.insert(choices.items.begin() + 1, std::u16string());
  choices.enabled = !choices.items.empty();
  std::vector<std::u16string> sorted = choices.items;
  std::stable_sort(sorted.begin(), sorted.end(), lessIgnoringCase);
  const auto match = std::find_if(sorted.begin(), sorted.end(), [&](const std::u16string& item) {
    return beginsIgnoringCase(item, current);
  });
  if (match != sorted.end())
    choices.selected = *match;
  return choices;
}

}  // namespace zembrik
