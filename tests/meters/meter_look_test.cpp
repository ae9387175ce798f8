// What a tick compares to decide whether the meters would draw other pixels.
#include <gtest/gtest.h>

#include <functional>

#include "engine/meters/meter_history.h"
#include "engine/meters/meter_look.h"

namespace zembrik {
namespace {

struct LookCase {
  const char* name;
  std::function<void(ClockMeters&)> change;
  bool differs;
};

// The CPU graph of a 5-pixel-wide area is full of samples at 40 %; the memory meter has a bar.
ClockMeters steadyMeters() {
  ClockMeters meters;
  meters.area = {5, 20, 0};
  meters.cpu.graphOn = true;
  for (int i = 0; i < 8; ++i) addSample(meters.cpu, 40, meters.area);
  meters.memory.barWidth = 4;
  meters.memory.barLength = 7;
  return meters;
}

TEST(MeterLook, OnlyAChangeOfWhatIsDrawnCounts) {
  const LookCase cases[] = {
      {"a full graph moves along a steady load",
       [](ClockMeters& m) { addSample(m.cpu, 40, m.area); }, false},
      {"41 % on 20 pixels is the same pixel row",
       [](ClockMeters& m) { addSample(m.cpu, 41, m.area); }, false},
      {"a sample off the line", [](ClockMeters& m) { addSample(m.cpu, 60, m.area); }, true},
      {"a samples ring without a graph", [](ClockMeters& m) { addSample(m.memory, 90, m.area); },
       false},
      {"a bar grows", [](ClockMeters& m) { m.memory.barLength = 8; }, true},
      {"charging colours", [](ClockMeters& m) { m.cpu.charging = true; }, true},
      {"a hidden meter", [](ClockMeters& m) { m.cpu.hidden = true; }, true},
      {"a graph off", [](ClockMeters& m) { m.cpu.graphOn = false; }, true},
  };
  for (const LookCase& c : cases) {
    ClockMeters meters = steadyMeters();
    MeterLook look;
    look.take(meters);
    EXPECT_FALSE(look.differs(meters)) << c.name;
    c.change(meters);
    EXPECT_EQ(look.differs(meters), c.differs) << c.name;
  }
}

TEST(MeterLook, AGraphStillFillingGrowsWithEverySample) {
  ClockMeters meters;
  meters.area = {50, 20, 0};
  meters.battery.graphOn = true;
  addSample(meters.battery, 40, meters.area);
  MeterLook look;
  look.take(meters);
  addSample(meters.battery, 40, meters.area);
  EXPECT_TRUE(look.differs(meters)) << "one point more: the line is longer";
}

}  // namespace
}  // namespace zembrik
