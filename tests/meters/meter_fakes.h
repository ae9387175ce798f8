#pragma once
// Scripted stand-ins for the system readings and the alarm names.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "engine/meters/alarm_display.h"
#include "engine/meters/meter_sampling.h"
#include "engine/meters/system_load.h"

namespace zembrik::test {

// Returns whatever the test last set; counts the calls. The CPU counters only move when the
// test says so.
class FakeSystemLoad final : public SystemLoad {
 public:
  static constexpr std::uint64_t kSecond = 10'000'000;  // 100-nanosecond units

  std::optional<std::uint32_t> memory = 40;
  CpuTimes counters{5'000'000'000, 6'000'000'000, 1'000'000'000};
  bool timesFail = false;
  std::optional<PowerStatus> power;
  int memoryCalls = 0;
  int timesCalls = 0;
  int powerCalls = 0;

  std::optional<std::uint32_t> memoryLoad() override {
    ++memoryCalls;
    return memory;
  }
  std::optional<CpuTimes> systemTimes() override {
    ++timesCalls;
    if (timesFail)
      return std::nullopt;
    return counters;
  }
  std::optional<PowerStatus> powerStatus() override {
    ++powerCalls;
    return power;
  }

  // One second of `cores` cores of which `busyPercent` was busy.
  void advanceCpu(int busyPercent, int cores = 1) {
    std::uint64_t all = kSecond * static_cast<std::uint64_t>(cores);
    std::uint64_t idle = all * static_cast<std::uint64_t>(100 - busyPercent) / 100;
    counters.idle += idle;
    counters.kernel += idle + (all - idle) / 2;
    counters.user += (all - idle) - (all - idle) / 2;
  }

  void onBattery(int percent, bool charging = false) {
    power = PowerStatus{0, static_cast<std::uint8_t>(charging ? kBatteryCharging : 0),
                        static_cast<std::uint8_t>(percent)};
  }
  void onMains(int percent, bool charging) {
    power = PowerStatus{kOnMainsPower, static_cast<std::uint8_t>(charging ? kBatteryCharging : 0),
                        static_cast<std::uint8_t>(percent)};
  }
};

class FakeAlarmNames final : public AlarmNames {
 public:
  std::map<std::int32_t, std::u16string> names;
  std::u16string nameOf(std::int32_t number) override {
    auto it = names.find(number);
    return it == names.end() ? std::u16string{} : it->second;
  }
};

// One clock as the tick sees it: its meters, its alarm display and its threshold.
struct TickingClock {
  ClockMeters meters;
  AlarmDisplay alarms;
  int threshold = 0;
  bool repaintEveryTick = false;

  bool tick(const MeterSources& sources, bool repaintWanted = false) {
    return sampleMeters(meters, BatteryAlarmState{alarms, threshold, repaintEveryTick}, sources,
                        repaintWanted);
  }
};

}  // namespace zembrik::test
