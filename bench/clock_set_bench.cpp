// The settings editor's one-second refresh of a page with both combos: two running secondary
// clocks, stored sets and a monitor variant, on the in-memory registry.
#include <benchmark/benchmark.h>

#include "engine/options/clock_set_model.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "tests/engine_options/fake_clock_set_windows.h"

namespace {

using namespace zembrik;

void BM_IdleClockSetRefresh(benchmark::State& state) {
  MemoryRegistry registry;
  auto user = registry.currentUser();
  auto root = user->createSubkey(kSettingsRootPath, kKeyReadWrite, KeyLifetime::Persistent).key;
  for (const char16_t* set : {u"horizontal", u"vertical", u"vertical_3", u"alarms", u"tzones",
                              u"horizontal\\name_ABC1234"})
    writeNumber(*root->createSubkey(set, kKeyReadWrite, KeyLifetime::Persistent).key, u"nRows", 1);
  auto self = root->createSubkey(u"this", kKeyReadWrite, KeyLifetime::Volatile).key;
  for (const char16_t* name : {u"isXPtheme", u"isVertical", u"hwndLo", u"hwndHi", u"isVertical_1",
                               u"hwndLo_1", u"hwndHi_1", u"isVertical_2", u"hwndLo_2", u"hwndHi_2"})
    writeNumber(*self, name, 0x201);

  testing::FakeClockSetWindows windows;
  windows.horizontalPrimary();
  windows.secondaries = {{0x201, {1280, 0, 2560, 30}}, {0x202, {2560, 0, 3840, 30}}};
  windows.monitors[0x100] = {u"MONITOR\\ABC1234\\{4d36e96e-e325-11ce-bfc1-08002be10318}\\0001",
                             1920, 1080, 144};
  ClockSetModel model(*user, windows, [](const std::u16string&) {});
  model.openSettingsKey();
  PageCombos page;
  model.selectClockSet(kUndeterminedSet, &page);
  for (auto _ : state) benchmark::DoNotOptimize(model.selectClockSet(kUndeterminedSet, &page));
}
BENCHMARK(BM_IdleClockSetRefresh);

}  // namespace
