#include "engine/timezone/zone_fixtures.h"

#include <string>

#include "engine/registry/registry_access.h"
#include "engine/timezone/zone_database.h"

namespace zembrik {

namespace {

constexpr TransitionRule rule(std::uint16_t month, std::uint16_t occurrence, std::uint16_t hour) {
  TransitionRule r;
  r.month = month;
  r.dayOfWeek = 0;  // Sunday
  r.day = occurrence;
  r.hour = hour;
  return r;
}

constexpr ZoneInformation zone(std::int32_t bias, std::int32_t daylightBias,
                               TransitionRule standardDate, TransitionRule daylightDate) {
  ZoneInformation z;
  z.bias = bias;
  z.daylightBias = daylightBias;
  z.standardDate = standardDate;
  z.daylightDate = daylightDate;
  return z;
}

const FixtureZone kZones[] = {
    {u"Pacific Standard Time", u"Pacific Standard Time", u"Pacific Daylight Time",
     u"Pazifische Normalzeit", u"Pazifische Sommerzeit", 211,
     zone(480, -60, rule(11, 1, 2), rule(3, 2, 2))},
    {u"W. Europe Standard Time", u"W. Europe Standard Time", u"W. Europe Daylight Time",
     u"Mitteleurop\u00e4ische Zeit", u"Mitteleurop\u00e4ische Sommerzeit", 321,
     zone(-60, -60, rule(10, 5, 3), rule(3, 5, 2))},
    {u"AUS Eastern Standard Time", u"AUS Eastern Standard Time", u"AUS Eastern Daylight Time",
     u"Ostaustralische Normalzeit", u"Ostaustralische Sommerzeit", 671,
     zone(-600, -60, rule(4, 1, 3), rule(10, 1, 2))},
    {u"India Standard Time", u"India Standard Time", u"India Daylight Time", u"Indische Normalzeit",
     u"Indische Sommerzeit", 441, zone(-330, 0, {}, {})},
    {u"UTC", u"Coordinated Universal Time", u"Coordinated Universal Time", u"Koordinierte Weltzeit",
     u"Koordinierte Weltzeit", 931, zone(0, 0, {}, {})},
};

std::u16string indirect(std::uint32_t number) {
  std::u16string text = u"@tzres.dll,-";
  for (char c : std::to_string(number)) text += static_cast<char16_t>(c);
  return text;
}

}  // namespace

std::span<const FixtureZone> fixtureZones() {
  return kZones;
}

void writeDatabaseZone(RegistryKey& localMachine, std::u16string_view subkey,
                       const ZoneInformation& rules, std::u16string_view standardName,
                       std::u16string_view daylightName, std::u16string_view muiStandard,
                       std::u16string_view muiDaylight) {
  auto key = localMachine.createSubkey(
      std::u16string(kTimeZoneDatabasePath) + u"\\" + std::u16string(subkey), kKeyReadWrite,
      KeyLifetime::Persistent);
  if (!key)
    return;
  auto tzi = encodeTzi(rules);
  key.key->setValue(u"TZI", RegType::Binary, tzi);
  writeText(*key.key, u"Std", standardName);
  writeText(*key.key, u"Dlt", daylightName);
  if (!muiStandard.empty())
    writeText(*key.key, u"MUI_Std", muiStandard);
  if (!muiDaylight.empty())
    writeText(*key.key, u"MUI_Dlt", muiDaylight);
}

void installFixtureZoneDatabase(RegistryKey& localMachine) {
  for (const auto& z : kZones) {
    writeDatabaseZone(localMachine, z.subkey, z.rules, z.standardName, z.daylightName,
                      indirect(z.stringNumber), indirect(z.stringNumber + 1));
  }
}

std::unique_ptr<TableZoneNames> makeFixtureZoneNames(RegistryKey& localMachine) {
  auto names = std::make_unique<TableZoneNames>(localMachine, kFixtureSystemDirectory);
  const std::u16string library =
      std::u16string(kFixtureSystemDirectory) + u"\\" + kFixtureSpecialLocale + u"\\tzres.dll.mui";
  for (const auto& z : kZones) {
    names->addDisplayString(u"tzres.dll", z.stringNumber, std::u16string(z.standardName));
    names->addDisplayString(u"tzres.dll", z.stringNumber + 1, std::u16string(z.daylightName));
    names->addLibraryString(library, z.stringNumber, std::u16string(z.germanStandardName));
    names->addLibraryString(library, z.stringNumber + 1, std::u16string(z.germanDaylightName));
  }
  return names;
}

}  // namespace zembrik
