#pragma once
// A small, fixed time-zone database for tests and the command-line tools on systems without
// one: a northern zone (Pacific), a central European zone (last-Sunday rules), a southern zone
// (eastern Australia), a zone without daylight saving at a half-hour offset (India) and UTC,
// with the records and names the system's database carries, English display names and German
// names for the special locale "de-DE".
#include <memory>
#include <span>
#include <string_view>

#include "engine/registry/registry_key.h"
#include "engine/timezone/table_zone_names.h"
#include "engine/timezone/zone_information.h"

namespace zembrik {

inline constexpr char16_t kFixtureSystemDirectory[] = u"C:\\Windows\\system32";
inline constexpr char16_t kFixtureSpecialLocale[] = u"de-DE";

struct FixtureZone {
  std::u16string_view subkey;
  std::u16string_view standardName;  // "Std" and the English display name
  std::u16string_view daylightName;  // "Dlt"
  std::u16string_view germanStandardName;
  std::u16string_view germanDaylightName;
  std::uint32_t stringNumber;  // "MUI_Std" is "@tzres.dll,-N", "MUI_Dlt" N + 1
  ZoneInformation rules;       // biases and dates; names empty
};

std::span<const FixtureZone> fixtureZones();

// Writes the fixture zones under kTimeZoneDatabasePath of `localMachine`.
void installFixtureZoneDatabase(RegistryKey& localMachine);

// Name resolution for the fixture zones, reading the database from `localMachine`.
std::unique_ptr<TableZoneNames> makeFixtureZoneNames(RegistryKey& localMachine);

// Writes one zone's values ("TZI", "Std", "Dlt", and "MUI_Std"/"MUI_Dlt" when given) under the
// database; tests use it for zones of their own.
void writeDatabaseZone(RegistryKey& localMachine, std::u16string_view subkey,
                       const ZoneInformation& rules, std::u16string_view standardName,
                       std::u16string_view daylightName, std::u16string_view muiStandard = {},
                       std::u16string_view muiDaylight = {});

}  // namespace zembrik
