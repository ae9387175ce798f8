// Zone time on every paint: the table's zone time for a moment in the year already cached (the
// steady state of a running clock), when the year changes each call (the worst case), and a
// whole reload of the table from the fixture database.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "engine/timezone/calendar_days.h"
#include "engine/timezone/configured_zone_table.h"
#include "engine/timezone/zone_fixtures.h"
#include "engine/timezone/zone_loading.h"

using namespace zembrik;

namespace {

struct FixtureTable {
  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> machine = registry.localMachine();
  std::unique_ptr<RegistryKey> root =
      registry.currentUser()
          ->createSubkey(kSettingsRootPath, kKeyReadWrite, KeyLifetime::Persistent)
          .key;
  std::unique_ptr<TableZoneNames> names;
  FixedSystemTimeZone systemZone;
  ConfiguredZoneTable table;

  FixtureTable() {
    installFixtureZoneDatabase(*machine);
    names = makeFixtureZoneNames(*machine);
    writeText(*root, u"ZN-locale", kFixtureSpecialLocale);
    auto zones = root->createSubkey(u"tzones", kKeyReadWrite, KeyLifetime::Persistent).key;
    writeText(*zones, u"PT\x0001PST\x0001PDT", u"Pacific Standard Time");
    writeText(*zones, u"SYD", u"AUS Eastern Standard Time");
    writeText(*zones, u"CET", u"W. Europe Standard Time");
    reload();
  }
  void reload() { reloadTimeZones(table, *root, ZoneDatabaseAccess{*machine, *names, systemZone}); }
};

// One moment a second apart over a day, as successive paints see them.
std::vector<CalendarTime> paintMoments(int year) {
  std::vector<CalendarTime> moments;
  const std::int64_t start =
      millisecondsOf(CalendarTime{static_cast<std::uint16_t>(year), 3, 0, 9});
  for (int i = 0; i < 1024; ++i) moments.push_back(calendarTimeOf(start + i * 84'000'000LL / 1024));
  return moments;
}

void BM_ZoneTimeCachedYear(benchmark::State& state) {
  FixtureTable fixture;
  const int pt = fixture.table.indexByKey(u"PT");
  const auto moments = paintMoments(2025);
  std::size_t i = 0;
  ZoneTime time;
  for (auto _ : state) {
    fixture.table.zoneTime(pt, moments[i++ & 1023], time);
    benchmark::DoNotOptimize(time);
  }
}
BENCHMARK(BM_ZoneTimeCachedYear);

void BM_ZoneTimeYearChangesEachCall(benchmark::State& state) {
  FixtureTable fixture;
  const int pt = fixture.table.indexByKey(u"PT");
  const auto a = paintMoments(2025);
  const auto b = paintMoments(2026);
  std::size_t i = 0;
  ZoneTime time;
  for (auto _ : state) {
    fixture.table.zoneTime(pt, (i & 1 ? a : b)[i & 1023], time);
    ++i;
    benchmark::DoNotOptimize(time);
  }
}
BENCHMARK(BM_ZoneTimeYearChangesEachCall);

void BM_AbbreviationCachedYear(benchmark::State& state) {
  FixtureTable fixture;
  const int pt = fixture.table.indexByKey(u"PT");
  const auto moments = paintMoments(2025);
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(fixture.table.abbreviation(pt, moments[i++ & 1023]));
}
BENCHMARK(BM_AbbreviationCachedYear);

void BM_ReloadFixtureZones(benchmark::State& state) {
  FixtureTable fixture;
  for (auto _ : state) {
    fixture.reload();
    benchmark::DoNotOptimize(fixture.table.size());
  }
}
BENCHMARK(BM_ReloadFixtureZones);

}  // namespace
