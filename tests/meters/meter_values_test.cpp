// Parsing of the meter values and reading them from a clock-set key.
#include <gtest/gtest.h>

#include "meters/meter_values.h"
#include "registry/memory_registry.h"
#include "registry/registry_access.h"

namespace zembrik {
namespace {

struct BarCase {
  std::u16string_view text;
  BarSettings expected;
};

TEST(BarValue, ParsesAsWritten) {
  const BarCase cases[] = {
      {u"R65280,4,2", {65280, 65280, BarEdge::Right, 4, 2}},
      {u"r65280,4,2", {}},  // switched off in the options program
      {u"x1,2,3", {}},
      {u"", {}},
      {u"   ", {}},
      {u"  L 255 , 3 , 1", {255, 255, BarEdge::Left, 3, 1}},
      {u"D16711680/255,5,-1", {16711680, 255, BarEdge::Bottom, 5, -1}},
      {u"U 1 /  2 ,7,0", {1, 2, BarEdge::Top, 7, 0}},
      {u"L,5,6", {0, 0, BarEdge::Left, 5, 6}},
      {u"R12", {12, 12, BarEdge::Right, 0, 0}},
      {u"R1,2", {1, 1, BarEdge::Right, 2, 0}},
      {u"R12,300,2", {12, 12, BarEdge::Right, 44, 2}},  // kept in 8 bits
      {u"R12,4,200", {12, 12, BarEdge::Right, 4, -56}},
      {u"R4294967295,3,1", {0xFFFFFFFF, 0xFFFFFFFF, BarEdge::Right, 3, 1}},
      {u"R-1,3,1", {0xFFFFFFFF, 0xFFFFFFFF, BarEdge::Right, 3, 1}},
      {u"R99999999999999999999,3,1", {0x630FFFFF, 0x630FFFFF, BarEdge::Right, 3, 1}},
      {u"R12junk,,4", {12, 12, BarEdge::Right, 0, 4}},
      {u"R12/,4,1", {12, 0, BarEdge::Right, 4, 1}},
      {u"R,,", {0, 0, BarEdge::Right, 0, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parseBarValue(c.text), c.expected) << std::string(c.text.begin(), c.text.end());
  }
}

struct GraphCase {
  std::u16string_view text;
  GraphSettings expected;
};

TEST(GraphValue, ParsesAsWritten) {
  const GraphCase cases[] = {
      {u"G65535/255", {true, 65535, 255}},
      {u"G", {true, 0, 0}},
      {u"g65535", {}},
      {u"", {}},
      {u" G 12", {true, 12, 12}},
      {u"G12 // 34", {true, 12, 34}},
      {u"G12 x", {true, 12, 0}},  // something follows, and it is no number
      {u"G/5", {true, 0, 5}},
      {u"G4294967295", {true, 0xFFFFFFFF, 0xFFFFFFFF}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parseGraphValue(c.text), c.expected) << std::string(c.text.begin(), c.text.end());
  }
}

TEST(MainsModeValue, LetterChoosesMode) {
  EXPECT_EQ(parseMainsMode(std::nullopt), MainsMode::ShownWhileCharging);
  EXPECT_EQ(parseMainsMode(u""), MainsMode::ShownWhileCharging);
  EXPECT_EQ(parseMainsMode(u"A"), MainsMode::ShownOnMains);
  EXPECT_EQ(parseMainsMode(u"C"), MainsMode::ShownWhileCharging);
  EXPECT_EQ(parseMainsMode(u" "), MainsMode::HiddenOnMains);
  EXPECT_EQ(parseMainsMode(u"a"), MainsMode::HiddenOnMains);
}

class MeterSettingsTest : public ::testing::Test {
 protected:
  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> set = registry.currentUser()
                                         ->createSubkey(u"Software\\OBR\\Zembrik\\horizontal",
                                                        kKeyReadWrite, KeyLifetime::Persistent)
                                         .key;
  ClockMeters meters;
  MainsMode mode = MainsMode::ShownOnMains;

  void writeAll() {
    writeText(*set, u"memLoad", u"L255,3,1");
    writeText(*set, u"cpuLoad", u"R65280,4,2");
    writeText(*set, u"btrLoad", u"D1/2,5,0");
    writeText(*set, u"memGraf", u"G7");
    writeText(*set, u"cpuGraf", u"g8");
    writeText(*set, u"btrGraf", u"G65535/255");
    writeText(*set, u"btrOnAC", u" ");
  }
};

TEST_F(MeterSettingsTest, ReadsEveryMeterValue) {
  writeAll();
  readMeterSettings(meters, *set, /*faceHasRows=*/true, mode);

  EXPECT_EQ(meters.memory.position, BarEdge::Left);
  EXPECT_EQ(meters.memory.barWidth, 3);
  EXPECT_EQ(meters.cpu.position, BarEdge::Right);
  EXPECT_EQ(meters.cpu.barColour, 65280u);
  EXPECT_EQ(meters.cpu.space, 2);
  EXPECT_EQ(meters.battery.barChargeColour, 2u);
  EXPECT_EQ(meters.battery.position, BarEdge::Bottom);
  EXPECT_TRUE(meters.memory.graphOn);
  EXPECT_EQ(meters.memory.graphColour, 7u);
  EXPECT_FALSE(meters.cpu.graphOn);
  EXPECT_EQ(meters.battery.graphChargeColour, 255u);
  EXPECT_EQ(mode, MainsMode::HiddenOnMains);
}

TEST_F(MeterSettingsTest, FaceWithoutRowsSwitchesEverythingOffAndKeepsMainsMode) {
  writeAll();
  readMeterSettings(meters, *set, true, mode);
  readMeterSettings(meters, *set, /*faceHasRows=*/false, mode);
  for (const MeterBlock* meter : {&meters.memory, &meters.cpu, &meters.battery}) {
    EXPECT_FALSE(meter->barOn());
    EXPECT_FALSE(meter->graphOn);
  }
  EXPECT_EQ(mode, MainsMode::HiddenOnMains);
}

TEST_F(MeterSettingsTest, AbsentOrWronglyTypedValuesMeanOffAndReloadKeepsHistory) {
  writeAll();
  readMeterSettings(meters, *set, true, mode);
  meters.memory.samples[0] = 55;
  meters.memory.ringCursor = 1;
  meters.memory.barLength = 9;

  set->deleteValue(u"memLoad");
  set->deleteValue(u"btrOnAC");
  writeNumber(*set, u"memGraf", 1);  // a number where text belongs counts as absent
  readMeterSettings(meters, *set, true, mode);

  EXPECT_FALSE(meters.memory.barOn());
  EXPECT_FALSE(meters.memory.graphOn);
  EXPECT_EQ(mode, MainsMode::ShownWhileCharging);
  EXPECT_EQ(meters.memory.samples[0], 55);
  EXPECT_EQ(meters.memory.ringCursor, 1);
  EXPECT_EQ(meters.memory.barLength, 9);
}

}  // namespace
}  // namespace zembrik
