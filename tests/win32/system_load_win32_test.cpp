// The meters' kernel32 readings under the real system.
#include <gtest/gtest.h>
#include <windows.h>

#include "engine/meters/meter_sampling.h"
#include "platform/win32/system_load_win32.h"

namespace zembrik {
namespace {

class NoAlarmNames final : public AlarmNames {
 public:
  std::u16string nameOf(std::int32_t) override { return {}; }
};

void spinFor(DWORD milliseconds) {
  DWORD start = GetTickCount();
  volatile unsigned sink = 0;
  while (GetTickCount() - start < milliseconds) sink = sink + 1;
}

TEST(SystemLoadWin32, MemoryLoadIsAPercentage) {
  SystemLoadWin32 system;
  auto load = system.memoryLoad();
  ASSERT_TRUE(load.has_value());
  EXPECT_LE(*load, 100u);
}

TEST(SystemLoadWin32, SystemTimesMoveForward) {
  SystemLoadWin32 system;
  auto first = system.systemTimes();
  ASSERT_TRUE(first.has_value());
  EXPECT_GE(first->kernel, first->idle);  // kernel time includes idle time
  spinFor(60);
  auto second = system.systemTimes();
  ASSERT_TRUE(second.has_value());
  EXPECT_GT(second->kernel + second->user, first->kernel + first->user);
  EXPECT_GE(second->idle, first->idle);
}

TEST(SystemLoadWin32, TwoTicksGiveACpuSample) {
  SystemLoadWin32 system;
  MeterProcessState process;
  NoAlarmNames names;
  MeterSources sources{system, process, names};
  ClockMeters meters;
  meters.area = {100, 30, 0};
  meters.cpu.graphOn = true;
  meters.battery.graphOn = true;  // reads the power status whatever it says
  AlarmDisplay alarms;
  bool repaintEveryTick = false;

  sampleMeters(meters, {alarms, 0, repaintEveryTick}, sources, false);
  EXPECT_EQ(meters.cpu.ringCursor, 0);
  spinFor(120);
  sampleMeters(meters, {alarms, 0, repaintEveryTick}, sources, false);
  ASSERT_EQ(meters.cpu.ringCursor, 1);
  EXPECT_GE(meters.cpu.samples[0], 0);
  EXPECT_LE(meters.cpu.samples[0], 100);
  EXPECT_EQ(meters.cpu.pointCount, 1);
  EXPECT_GE(meters.battery.ringCursor, 1);
}

}  // namespace
}  // namespace zembrik
