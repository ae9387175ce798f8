// loadSettings of a 3 x 3 face from the in-memory registry: what a reload costs the taskbar's
// thread beyond the real registry's own latency.
#include <benchmark/benchmark.h>

#include "engine/format/zone_table.h"
#include "engine/names/name_tables.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/load_settings.h"
#include "engine/settings/settings_paths.h"
#include "engine/settings/value_names.h"

namespace {

using namespace zembrik;

class NumberedFonts final : public FontFactory {
 public:
  FontHandle createFont(const FontRequest&) override { return ++last_; }
  void deleteFont(FontHandle) noexcept override {}

 private:
  FontHandle last_ = 0;
};

void writeThreeByThreeFace(RegistryKey& user) {
  std::u16string path(kSettingsRootPath);
  auto set = user.createSubkey(path + u"\\horizontal", kKeyReadWrite, KeyLifetime::Persistent).key;
  writeNumber(*set, u"nColumns", 3);
  writeNumber(*set, u"nRows", 3);
  writeNumber(*set, u"left", 6);
  writeNumber(*set, u"right", 6);
  const char16_t* formats[] = {u"dddd",  u"HH:mm", u"A<>N",         u"d MMM yyyy", u"ss",
                               u"'W'ww", u"S<",    u"@{} HH 'UTC'", u"MMMM"};
  for (int i = 0; i < 9; ++i) {
    int row = i / 3, column = i % 3;
    writeText(*set, cellValueName(u"cell", row, column),
              std::u16string(u",,2,2,,,1,,,1,:") + formats[i]);
    writeText(*set, cellValueName(u"font", row, column),
              i % 2 ? u"10,700,,:Arial" : u"8,400,,:Segoe UI");
    writeNumber(*set, cellValueName(u"color", row, column), 0x00FFFFFF);
  }
}

void BM_LoadSettingsThreeByThree(benchmark::State& state) {
  MemoryRegistry registry;
  auto user = registry.currentUser();
  writeThreeByThreeFace(*user);
  NumberedFonts factory;
  FontCache fonts(factory);
  NameTables names;
  EmptyZoneTable zones;
  ClockConfig clock;
  clock.placement.window = WindowId{0x10010, 64};
  clock.placement.dpi = 96;
  clock.placement.windowHeight = 40;
  SettingsSources sources{*user, fonts, names, zones};
  for (auto _ : state) {
    benchmark::DoNotOptimize(loadSettings(clock, sources));
  }
  if (clock.cells.size() != 9)
    state.SkipWithError("the face did not load");
}
BENCHMARK(BM_LoadSettingsThreeByThree);

}  // namespace
