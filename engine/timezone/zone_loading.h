#pragma once
// Building the zone table from the settings: the zones named in the `tzones` subkey (value name:
// key, then optionally U+0001 and the standard abbreviation, then optionally U+0001 and the
// daylight abbreviation; value data: the zone's subkey in the system's database), the special
// locale `ZN-locale`, the system's own zone and a stand-in for UTC.
#include <string>
#include <string_view>

#include "engine/registry/registry_key.h"
#include "engine/timezone/configured_zone_table.h"
#include "engine/timezone/zone_database.h"

namespace zembrik {

inline constexpr char16_t kZonesSubkey[] = u"tzones";
inline constexpr char16_t kSpecialLocaleValue[] = u"ZN-locale";
inline constexpr char16_t kUtcSubkey[] = u"UTC";
// The key of the stand-in UTC zone. The blanks keep a zone switch, whose name is trimmed, from
// ever finding it, and tell the formatter it carries no abbreviation of the user's.
inline constexpr char16_t kUtcStandInKey[] = u" utc ";

struct ZoneKeyText {
  std::u16string_view key;
  std::u16string_view standardAbbreviation;
  std::u16string_view daylightAbbreviation;
};

// Splits a `tzones` value name at its first and second U+0001.
ZoneKeyText splitZoneKeyText(std::u16string_view text);

// Empties `table` and fills it again from `settingsRoot` (HKCU\Software\OBR\Zembrik, opened for
// reading; with create access a missing `tzones` key is created) and the system's database.
// Settings loads call this with processZoneTable(). Nothing found in the registry can make it
// fail: zones that cannot be read are left out.
void reloadTimeZones(ConfiguredZoneTable& table, RegistryKey& settingsRoot,
                     const ZoneDatabaseAccess& database);

}  // namespace zembrik
