// The meters as the settings load reads them from a clock set.
#include <gtest/gtest.h>

#include "engine/format/zone_table.h"
#include "engine/names/name_tables.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/load_settings.h"
#include "engine/settings/settings_paths.h"
#include "tests/doubles/recording_surface.h"

namespace zembrik {
namespace {

class MeterLoad : public ::testing::Test {
 protected:
  MeterLoad() {
    set = user->createSubkey(std::u16string(kSettingsRootPath) + u"\\horizontal", kKeyReadWrite,
                             KeyLifetime::Persistent)
              .key;
    writeText(*set, u"cpuLoad", u"R65280,4,2");
    writeText(*set, u"memGraf", u"G255");
    writeText(*set, u"btrOnAC", u"A");
    clock.placement.windowHeight = 40;
  }
  void load() { loadSettings(clock, {*user, fonts, names, zones, &process}); }

  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> user = registry.currentUser();
  std::unique_ptr<RegistryKey> set;
  RecordingFontFactory factory;
  FontCache fonts{factory};
  NameTables names;
  EmptyZoneTable zones;
  MeterProcessState process;
  ClockConfig clock;
};

TEST_F(MeterLoad, ReadsTheMetersOfTheClockSet) {
  load();
  EXPECT_EQ(clock.meters.cpu.position, BarEdge::Right);
  EXPECT_EQ(clock.meters.cpu.barWidth, 4);
  EXPECT_EQ(clock.meters.cpu.space, 2);
  EXPECT_TRUE(clock.meters.memory.graphOn);
  EXPECT_EQ(process.mainsMode, MainsMode::ShownOnMains);
}

TEST_F(MeterLoad, FaceWithoutRowsHasNoMeters) {
  struct Case {
    std::optional<std::uint32_t> columns;
    std::optional<std::uint32_t> rows;
    bool metersOn;
  };
  const Case cases[] = {
      {1, 0, false},           {1, 0xFFFFFFFF, false},  // negative counts as 0
      {std::nullopt, 0, true}, {0, std::nullopt, true}, {2, 1, true},
  };
  for (const auto& c : cases) {
    set->deleteValue(u"nColumns");
    set->deleteValue(u"nRows");
    if (c.columns)
      writeNumber(*set, u"nColumns", *c.columns);
    if (c.rows)
      writeNumber(*set, u"nRows", *c.rows);
    load();
    EXPECT_EQ(clock.meters.cpu.barOn(), c.metersOn);
    EXPECT_EQ(clock.meters.memory.graphOn, c.metersOn);
  }
}

TEST_F(MeterLoad, ReloadKeepsHistoryAndSwitchesOffWhatWasRemoved) {
  load();
  clock.meters.memory.samples[0] = 42;
  clock.meters.memory.ringCursor = 1;
  set->deleteValue(u"cpuLoad");
  load();
  EXPECT_FALSE(clock.meters.cpu.barOn());
  EXPECT_EQ(clock.meters.memory.samples[0], 42);
  EXPECT_EQ(clock.meters.memory.ringCursor, 1);
}

}  // namespace
}  // namespace zembrik
