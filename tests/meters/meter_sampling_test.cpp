// Sampling driven as a sequence of one-second ticks against scripted system readings.
#include <gtest/gtest.h>

#include <cstdint>

#include "engine/meters/meter_history.h"
#include "engine/meters/meter_sampling.h"
#include "tests/meters/meter_fakes.h"

namespace zembrik {
namespace {

using test::FakeAlarmNames;
using test::FakeSystemLoad;
using test::TickingClock;

class MeterTicks : public ::testing::Test {
 protected:
  FakeSystemLoad system;
  MeterProcessState process;
  FakeAlarmNames names;
  MeterSources sources{system, process, names};
  TickingClock clock;

  void SetUp() override { clock.meters.area = {100, 20, 0}; }

  static void barOn(MeterBlock& meter, BarEdge edge, int width = 4) {
    meter.position = edge;
    meter.barWidth = static_cast<std::int8_t>(width);
  }
  static int newestSample(const MeterBlock& meter) {
    return meter
        .samples[static_cast<std::size_t>((meter.ringCursor + kMeterHistory - 1) % kMeterHistory)];
  }
  static std::vector<int> ys(const MeterBlock& meter) {
    std::vector<int> out;
    for (int k = 0; k < meter.pointCount; ++k) out.push_back(meter.points[k].y);
    return out;
  }
  static std::vector<int> xs(const MeterBlock& meter) {
    std::vector<int> out;
    for (int k = 0; k < meter.pointCount; ++k) out.push_back(meter.points[k].x);
    return out;
  }
};

// --- CPU

TEST_F(MeterTicks, FirstTickGivesNoCpuSampleSecondGivesLoadOverOneSecond) {
  barOn(clock.meters.cpu, BarEdge::Right);
  clock.meters.cpu.graphOn = true;

  system.advanceCpu(30);
  EXPECT_FALSE(clock.tick(sources));
  EXPECT_EQ(clock.meters.cpu.ringCursor, 0);
  EXPECT_EQ(clock.meters.cpu.pointCount, 0);

  system.advanceCpu(70);
  EXPECT_TRUE(clock.tick(sources));
  EXPECT_EQ(clock.meters.cpu.ringCursor, 1);
  EXPECT_EQ(newestSample(clock.meters.cpu), 70);
  EXPECT_EQ(clock.meters.cpu.barLength, 20 * 70 / 100);
}

TEST_F(MeterTicks, CpuIsSampledEvenWithNothingShown) {
  clock.tick(sources);
  system.advanceCpu(25);
  EXPECT_FALSE(clock.tick(sources));
  EXPECT_EQ(newestSample(clock.meters.cpu), 25);
  EXPECT_EQ(system.memoryCalls, 0);
  EXPECT_EQ(system.powerCalls, 0);
}

TEST_F(MeterTicks, TwoClocksShareThePreviousCpuReading) {
  TickingClock other;
  other.meters.area = clock.meters.area;

  system.advanceCpu(50);
  clock.tick(sources);  // the first reading in the process
  system.advanceCpu(20);
  other.tick(sources);
  EXPECT_EQ(other.meters.cpu.ringCursor, 1);
  EXPECT_EQ(newestSample(other.meters.cpu), 20);

  system.advanceCpu(80);
  clock.tick(sources);  // covers the second since the other clock's tick
  EXPECT_EQ(newestSample(clock.meters.cpu), 80);
}

TEST_F(MeterTicks, FailedCpuReadingKeepsThePreviousOne) {
  clock.tick(sources);
  system.advanceCpu(10);
  system.timesFail = true;
  clock.tick(sources);
  EXPECT_EQ(clock.meters.cpu.ringCursor, 0);

  system.timesFail = false;
  system.advanceCpu(50);
  clock.tick(sources);  // over both seconds: 10 % and 50 %
  EXPECT_EQ(newestSample(clock.meters.cpu), 30);
}

struct CpuCase {
  const char* what;
  std::uint64_t previousTotal, previousIdle, total, idle;
  int load;
};

TEST(CpuLoad, FormulaWithItsEdges) {
  constexpr std::uint64_t kBig = std::uint64_t{1} << 40;  // beyond 32 bits
  const CpuCase cases[] = {
      {"no previous total", 0, 5, 100, 10, -1},
      {"no previous idle", 100, 0, 200, 10, -1},
      {"no time passed", 100, 50, 100, 60, -1},
      {"total went back", 100, 50, 90, 60, -1},
      {"idle went back", 100, 50, 200, 40, -1},
      {"30 % idle", 10'000'000, 5'000'000, 20'000'000, 8'000'000, 70},
      {"beyond 32 bits", kBig, kBig - 7, kBig + 10'000'000, kBig - 7 + 2'500'000, 75},
      {"half a percent rounds down", 1000, 500, 1200, 501, 100},
      {"one and a half rounds down", 1000, 500, 1200, 503, 99},
      {"just over a half rounds up", 1000, 500, 1300, 502, 99},
      {"all idle", 1000, 500, 2000, 1500, 0},
      {"more idle than time", 1000, 500, 2000, 1700, 0},
      {"one tick of time, busy", 1000, 500, 1001, 500, 100},
      {"wild jump", 1, 1, UINT64_MAX, UINT64_MAX - 2, 0},
      {"wild jump, busy", 1, 1, UINT64_MAX, 1, 100},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cpuLoadPercent(c.previousTotal, c.previousIdle, c.total, c.idle), c.load) << c.what;
  }
}

// --- Memory

TEST_F(MeterTicks, MemoryLoadTakesSevenBitsAndOnlyWhenShown) {
  clock.tick(sources);
  EXPECT_EQ(system.memoryCalls, 0);

  barOn(clock.meters.memory, BarEdge::Top, 2);
  system.memory = 0xC5;
  EXPECT_TRUE(clock.tick(sources));
  EXPECT_EQ(newestSample(clock.meters.memory), 0x45);
  EXPECT_EQ(clock.meters.memory.barLength, 100 * 0x45 / 100);

  // The same length again wants no repaint while no graph is shown.
  EXPECT_FALSE(clock.tick(sources));

  system.memory = std::nullopt;  // a failed reading adds nothing
  clock.tick(sources);
  EXPECT_EQ(clock.meters.memory.ringCursor, 2);
}

TEST_F(MeterTicks, BarLengthFollowsItsEdge) {
  clock.meters.area = {200, 30, 5};
  const std::pair<BarEdge, int> cases[] = {
      {BarEdge::Left, 30 * 55 / 100},
      {BarEdge::Right, 30 * 55 / 100},
      {BarEdge::Top, 200 * 55 / 100},
      {BarEdge::Bottom, 200 * 55 / 100},
  };
  system.memory = 55;
  for (auto [edge, length] : cases) {
    clock.meters.memory.barLength = 0;
    barOn(clock.meters.memory, edge);
    EXPECT_TRUE(clock.tick(sources));
    EXPECT_EQ(clock.meters.memory.barLength, length) << static_cast<int>(edge);
  }
}

// --- Graph points and ring

TEST_F(MeterTicks, GraphGrowsFromTheRightThenShifts) {
  clock.meters.area = {3, 100, 10};
  clock.meters.memory.graphOn = true;
  const int loads[] = {10, 20, 30, 40};
  const std::vector<std::vector<int>> expectedYs = {{100}, {100, 90}, {100, 90, 80}, {90, 80, 70}};
  const std::vector<std::vector<int>> expectedXs = {{2}, {1, 2}, {0, 1, 2}, {0, 1, 2}};
  for (int i = 0; i < 4; ++i) {
    system.memory = static_cast<std::uint32_t>(loads[i]);
    EXPECT_TRUE(clock.tick(sources));
    EXPECT_EQ(ys(clock.meters.memory), expectedYs[i]) << i;
    EXPECT_EQ(xs(clock.meters.memory), expectedXs[i]) << i;
  }
}

TEST_F(MeterTicks, GraphWiderThanTheHistoryStopsAt1024Points) {
  clock.meters.area = {1500, 100, 0};
  clock.meters.cpu.graphOn = true;
  clock.tick(sources);
  for (int i = 0; i < 1100; ++i) {
    system.advanceCpu(i % 101);
    clock.tick(sources);
  }
  const MeterBlock& cpu = clock.meters.cpu;
  ASSERT_EQ(cpu.pointCount, 1024);
  EXPECT_EQ(cpu.points[0].x, 1500 - 1024);
  EXPECT_EQ(cpu.points[1023].x, 1499);
  EXPECT_EQ(cpu.points[1023].y, 100 - 1099 % 101);
  EXPECT_EQ(cpu.points[1022].y, 100 - 1098 % 101);
}

TEST_F(MeterTicks, GraphNarrowerThanItsPointsStaysInsideItsArrays) {
  clock.meters.memory.graphOn = true;
  clock.meters.area = {0, 20, 0};  // before the first paint
  EXPECT_TRUE(clock.tick(sources));
  EXPECT_EQ(clock.meters.memory.pointCount, 0);
  EXPECT_EQ(clock.meters.memory.ringCursor, 1);

  clock.meters.area = {-5, 20, 0};
  clock.tick(sources);
  EXPECT_EQ(clock.meters.memory.pointCount, 0);
}

TEST_F(MeterTicks, WidenedClockRebuildsItsGraphWithoutLosingHistory) {
  clock.meters.area = {4, 100, 0};
  clock.meters.memory.graphOn = true;
  for (int load : {10, 20, 30, 40, 50, 60}) {
    system.memory = static_cast<std::uint32_t>(load);
    clock.tick(sources);
  }
  EXPECT_EQ(ys(clock.meters.memory), (std::vector<int>{70, 60, 50, 40}));

  rebuildGraphs(clock.meters, {8, 100, 0});
  EXPECT_EQ(clock.meters.area, (MeterArea{8, 100, 0}));
  // Two samples were never written: they stand for 0 %.
  EXPECT_EQ(ys(clock.meters.memory), (std::vector<int>{100, 100, 90, 80, 70, 60, 50, 40}));
  EXPECT_EQ(xs(clock.meters.memory), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));

  // The graph goes on from there.
  system.memory = 70;
  clock.tick(sources);
  EXPECT_EQ(ys(clock.meters.memory), (std::vector<int>{100, 90, 80, 70, 60, 50, 40, 30}));
}

TEST_F(MeterTicks, RebuildReadsTheRingAcrossItsWrapAndSkipsGraphsThatAreOff) {
  clock.meters.memory.graphOn = true;
  for (int i = 0; i < 1030; ++i) {
    system.memory = static_cast<std::uint32_t>(i % 100);
    clock.tick(sources);
  }
  clock.meters.cpu.pointCount = 7;
  rebuildGraphs(clock.meters, {1024, 100, 0});
  const MeterBlock& memory = clock.meters.memory;
  ASSERT_EQ(memory.pointCount, 1024);
  for (int k = 0; k < 1024; ++k) {
    int sampleIndex = 1030 - 1024 + k;
    ASSERT_EQ(memory.points[k].y, 100 - sampleIndex % 100) << k;
  }
  EXPECT_EQ(clock.meters.cpu.pointCount, 7);
}

// --- Battery

struct MainsCase {
  MainsMode mode;
  bool onMains;
  bool charging;
  bool hidden;
};

TEST_F(MeterTicks, BatteryHiddenOnMainsByMode) {
  const MainsCase cases[] = {
      {MainsMode::ShownOnMains, true, false, false},
      {MainsMode::ShownWhileCharging, true, false, true},
      {MainsMode::ShownWhileCharging, true, true, false},
      {MainsMode::HiddenOnMains, true, true, true},
      {MainsMode::HiddenOnMains, false, false, false},
      {MainsMode::ShownWhileCharging, false, true, false},
  };
  barOn(clock.meters.battery, BarEdge::Left);
  clock.meters.battery.graphOn = true;
  for (const auto& c : cases) {
    process.mainsMode = c.mode;
    if (c.onMains)
      system.onMains(60, c.charging);
    else
      system.onBattery(60, c.charging);
    clock.meters.battery.barLength = 0;
    bool repaint = clock.tick(sources);
    EXPECT_EQ(clock.meters.battery.hidden, c.hidden) << static_cast<int>(c.mode);
    EXPECT_EQ(clock.meters.battery.charging, c.charging);
    EXPECT_EQ(repaint, !c.hidden);
    EXPECT_EQ(clock.meters.battery.barLength, c.hidden ? 0 : 12);
    EXPECT_EQ(newestSample(clock.meters.battery), 60);  // stored while hidden too
  }
}

TEST_F(MeterTicks, NoBatterySwitchesTheMeterOffUntilTheNextLoad) {
  for (auto power :
       {std::optional<PowerStatus>{PowerStatus{1, 0x80, 255}}, std::optional<PowerStatus>{}}) {
    barOn(clock.meters.battery, BarEdge::Left);
    clock.meters.battery.graphOn = true;
    clock.threshold = 30;
    clock.alarms.checkBattery(10, 30, names, clock.repaintEveryTick);  // ringing before
    system.power = power;

    EXPECT_FALSE(clock.tick(sources));
    const MeterBlock& battery = clock.meters.battery;
    EXPECT_TRUE(battery.hidden);
    EXPECT_FALSE(battery.barOn());
    EXPECT_FALSE(battery.graphOn);
    EXPECT_EQ(newestSample(battery), 0);
    EXPECT_FALSE(clock.alarms.batteryAlarmActive());
    EXPECT_FALSE(clock.alarms.alarmActive());

    // A battery that comes back does not bring the bar back by itself.
    system.onBattery(50);
    clock.tick(sources);
    EXPECT_FALSE(battery.barOn());
  }
}

TEST_F(MeterTicks, UnknownBatteryPercentCountsAsMinusOne) {
  barOn(clock.meters.battery, BarEdge::Right);
  clock.meters.battery.graphOn = true;
  clock.meters.battery.barLength = 5;
  clock.threshold = 20;
  clock.meters.area = {50, 20, 3};
  system.onBattery(255);

  clock.tick(sources);
  const MeterBlock& battery = clock.meters.battery;
  EXPECT_EQ(newestSample(battery), -1);
  EXPECT_EQ(battery.barLength, 0);
  EXPECT_EQ(battery.points[0].y, 3 + 20);  // one step below the area
  EXPECT_FALSE(clock.alarms.alarmActive());

  // A tall area (a vertical taskbar) still gives an empty bar, not one reaching outside.
  clock.meters.area = {50, 400, 3};
  clock.tick(sources);
  EXPECT_EQ(battery.barLength, 0);
}

TEST_F(MeterTicks, BatteryAlarmRingsStopsAndStaysQuietAfterADismiss) {
  clock.threshold = 20;
  system.onBattery(19);
  clock.tick(sources);
  EXPECT_TRUE(clock.alarms.alarmActive());
  EXPECT_EQ(clock.alarms.text(), u"BATTERY LOW !!!");
  EXPECT_TRUE(clock.repaintEveryTick);
  EXPECT_EQ(clock.alarms.ringing(), (std::set<std::int32_t>{0x7777777}));

  system.onMains(19, true);  // plugged in
  clock.tick(sources);
  EXPECT_FALSE(clock.alarms.alarmActive());
  EXPECT_TRUE(clock.alarms.text().empty());

  system.onBattery(19);  // unplugged again
  clock.tick(sources);
  EXPECT_TRUE(clock.alarms.alarmActive());

  clock.alarms.dismiss();
  EXPECT_FALSE(clock.alarms.alarmActive());
  system.onBattery(18);
  clock.tick(sources);
  EXPECT_FALSE(clock.alarms.alarmActive());

  system.onBattery(20);  // at the threshold: armed again
  clock.tick(sources);
  EXPECT_FALSE(clock.alarms.batteryAlarmActive());
  system.onBattery(19);
  clock.tick(sources);
  EXPECT_TRUE(clock.alarms.alarmActive());
  EXPECT_EQ(clock.alarms.text(), u"BATTERY LOW !!!");
}

TEST_F(MeterTicks, BatteryAlarmStopsWhenItsThresholdIsRemoved) {
  clock.threshold = 20;
  system.onBattery(5);
  clock.tick(sources);
  ASSERT_TRUE(clock.alarms.batteryAlarmActive());

  clock.threshold = 0;  // settings reloaded without "btrAlarm"
  clock.tick(sources);
  EXPECT_FALSE(clock.alarms.batteryAlarmActive());
  EXPECT_FALSE(clock.alarms.alarmActive());

  clock.tick(sources);  // and the battery is no longer read
  EXPECT_EQ(system.powerCalls, 2);
}

}  // namespace
}  // namespace zembrik
