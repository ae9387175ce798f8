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

// One monitor of 1920 x 1080 at 144 dpi whose id is "ABC1234".
class OneMonitor final : public MonitorSource {
 public:
  std::optional<MonitorOfWindow> monitorOf(WindowId) override {
    return MonitorOfWindow{1, {0, 0, 1920, 1080}, u"\\\\.\\DISPLAY1"};
  }
  std::optional<std::u16string> deviceIdOf(std::u16string_view) override {
    return u"MONITOR\\ABC1234\\{4d36e96e-e325-11ce-bfc1-08002be10318}\\0001";
  }
  std::optional<unsigned> monitorDpi(const MonitorOfWindow&) override { return 144; }
  int windowDpi(WindowId) override { return 144; }
};

void writeThreeByThreeFace(RegistryKey& user, std::u16string_view setPath = u"horizontal") {
  std::u16string path(kSettingsRootPath);
  auto set = user.createSubkey(path + u"\\" + std::u16string(setPath), kKeyReadWrite,
                               KeyLifetime::Persistent)
                 .key;
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

enum class Variants { NotLookedUp, Missing, NameAndSize };

// Arg: the Variants case. NotLookedUp loads without a monitor source (the clock-set key itself);
// Missing looks for the variants and finds none; NameAndSize finds the face two levels down.
void BM_LoadSettingsThreeByThree(benchmark::State& state) {
  const auto variants = static_cast<Variants>(state.range(0));
  MemoryRegistry registry;
  auto user = registry.currentUser();
  writeThreeByThreeFace(*user, variants == Variants::NameAndSize
                                   ? u"horizontal\\name_ABC1234\\size_1920x1080_144"
                                   : u"horizontal");
  OneMonitor monitor;
  NumberedFonts factory;
  FontCache fonts(factory);
  NameTables names;
  EmptyZoneTable zones;
  ClockConfig clock;
  clock.placement.window = WindowId{0x10010, 64};
  clock.placement.dpi = 96;
  clock.placement.windowHeight = 40;
  SettingsSources sources{*user, fonts, names, zones};
  if (variants != Variants::NotLookedUp)
    sources.monitors = &monitor;
  for (auto _ : state) {
    benchmark::DoNotOptimize(loadSettings(clock, sources));
  }
  if (clock.cells.size() != 9)
    state.SkipWithError("the face did not load");
}
BENCHMARK(BM_LoadSettingsThreeByThree)->Arg(0)->Arg(1)->Arg(2);

}  // namespace
