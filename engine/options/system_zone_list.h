#pragma once
// What the Time Zones page reads from the system: every zone of the time-zone database with its
// localised display name, bias and whether it has daylight time, and the user-interface
// languages offered for the special-locale names.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/registry/registry_key.h"
#include "engine/timezone/zone_database.h"

namespace zembrik {

inline constexpr char16_t kUiLanguagesPath[] =
    u"SYSTEM\\CurrentControlSet\\Control\\MUI\\UILanguages";

struct SystemZone {
  std::u16string keyName;  // the database subkey, the data of a `tzones` value
  std::u16string displayName;
  std::int32_t bias = 0;  // minutes, UTC minus local standard time
  bool hasDaylight = false;
};

// The zones from the last subkey to the first. Obsolete zones are skipped, and so are zones
// without a readable "TZI" record, which the clock could not show. Display names come from
// "MUI_Display" until one such lookup fails, then from "Display" for that zone and the rest.
// Nothing when the database cannot be opened.
std::vector<SystemZone> readSystemZones(RegistryKey& localMachine, ZoneNamePlatform& names);

// The locale list: the language names from the last subkey to the first, with one empty item
// after the first name; the item to select, the first in sorted order (ignoring case) that
// begins with `current`; and whether the list is enabled (any name found).
struct LocaleChoices {
  std::vector<std::u16string> items;  // in the order they are added to the sorted list
  std::u16string selected;
  bool enabled = false;
};
LocaleChoices readLocaleChoices(RegistryKey& localMachine, std::u16string_view current);

}  // namespace zembrik
