#pragma once
// Zone rules, UTC moments and a registry with the fixture database for the time-zone tests.
#include <memory>
#include <string>

#include "engine/format/platform_state.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/timezone/calendar_days.h"
#include "engine/timezone/configured_zone_table.h"
#include "engine/timezone/zone_fixtures.h"
#include "engine/timezone/zone_loading.h"

namespace zembrik::testing {

// A UTC moment with its day of week.
inline CalendarTime utcAt(int year, int month, int day, int hour = 0, int minute = 0,
                          int second = 0, int milliseconds = 0) {
  CalendarTime t;
  t.year = static_cast<std::uint16_t>(year);
  t.month = static_cast<std::uint16_t>(month);
  t.day = static_cast<std::uint16_t>(day);
  t.hour = static_cast<std::uint16_t>(hour);
  t.minute = static_cast<std::uint16_t>(minute);
  t.second = static_cast<std::uint16_t>(second);
  t.milliseconds = static_cast<std::uint16_t>(milliseconds);
  return calendarTimeOf(millisecondsOf(t));
}

inline CalendarTime shifted(const CalendarTime& t, std::int64_t milliseconds) {
  return calendarTimeOf(millisecondsOf(t) + milliseconds);
}

inline TransitionRule ruleOn(int month, int weekday, int occurrence, int hour, int minute = 0) {
  TransitionRule r;
  r.month = static_cast<std::uint16_t>(month);
  r.dayOfWeek = static_cast<std::uint16_t>(weekday);
  r.day = static_cast<std::uint16_t>(occurrence);
  r.hour = static_cast<std::uint16_t>(hour);
  r.minute = static_cast<std::uint16_t>(minute);
  return r;
}

inline ZoneInformation zoneRules(int bias, int daylightBias, TransitionRule standardDate,
                                 TransitionRule daylightDate, int standardBias = 0) {
  ZoneInformation z;
  z.bias = bias;
  z.standardBias = standardBias;
  z.daylightBias = daylightBias;
  z.standardDate = standardDate;
  z.daylightDate = daylightDate;
  return z;
}

inline const ZoneInformation& fixtureRules(std::u16string_view subkey) {
  for (const auto& zone : fixtureZones()) {
    if (zone.subkey == subkey)
      return zone.rules;
  }
  static const ZoneInformation kNone;
  return kNone;
}

// HKCU with the settings root and HKLM with the fixture database, names and a system zone.
struct ZoneWorld {
  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> machine = registry.localMachine();
  std::unique_ptr<RegistryKey> root =
      registry.currentUser()
          ->createSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite, KeyLifetime::Persistent)
          .key;
  std::unique_ptr<TableZoneNames> names;
  FixedSystemTimeZone systemZone;
  ConfiguredZoneTable table;

  explicit ZoneWorld(std::u16string_view systemStandardName = u"W. Europe Standard Time") {
    installFixtureZoneDatabase(*machine);
    names = makeFixtureZoneNames(*machine);
    SystemZoneInfo info;
    info.setStandardName(systemStandardName);
    systemZone = FixedSystemTimeZone(info);
  }

  void configure(std::u16string_view keyText, std::u16string_view subkey) {
    auto zones = root->createSubkey(u"tzones", kKeyReadWrite, KeyLifetime::Persistent).key;
    writeText(*zones, keyText, subkey);
  }

  void reload() { reloadTimeZones(table, *root, ZoneDatabaseAccess{*machine, *names, systemZone}); }

  const ZoneEntry& byKey(std::u16string_view key) { return table.entry(table.indexByKey(key)); }
};

}  // namespace zembrik::testing
