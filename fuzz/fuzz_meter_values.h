#pragma once
// Runs a clock's meters for a few ticks with whatever settings a fuzzer parsed, so that any
// bar width, space, edge or colour is also sampled, rescaled and measured.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "engine/meters/meter_drawing.h"
#include "engine/meters/meter_history.h"
#include "engine/meters/meter_sampling.h"
#include "tests/doubles/recording_surface.h"

namespace zembrik::fuzzing {

class FixedLoad final : public SystemLoad {
 public:
  explicit FixedLoad(std::uint8_t seed) : seed_(seed) {}
  std::optional<std::uint32_t> memoryLoad() override { return seed_; }
  std::optional<CpuTimes> systemTimes() override {
    times_.idle += seed_;
    times_.kernel += 2u * seed_ + 1;
    times_.user += 7;
    return times_;
  }
  std::optional<PowerStatus> powerStatus() override {
    return PowerStatus{static_cast<std::uint8_t>(seed_ & 1),
                       static_cast<std::uint8_t>(seed_ & 0x88), seed_};
  }

 private:
  std::uint8_t seed_;
  CpuTimes times_{1, 1, 1};
};

class NoNames final : public AlarmNames {
 public:
  std::u16string nameOf(std::int32_t) override { return {}; }
};

// Every meter gets the same parsed settings; the area comes from `seed`.
inline void exerciseMeters(ClockMeters& meters, std::uint8_t seed) {
  FixedLoad system(seed);
  MeterProcessState process;
  NoNames names;
  AlarmDisplay alarms;
  bool repaintEveryTick = false;
  const MeterSources sources{system, process, names};
  const int width = (seed * 37) % 1500 - 10;  // includes no area at all
  rebuildGraphs(meters, {width, seed % 90, seed % 5});
  for (int tick = 0; tick < 3; ++tick)
    sampleMeters(meters, {alarms, seed % 30, repaintEveryTick}, sources, false);
  for (const MeterBlock* meter : {&meters.memory, &meters.cpu, &meters.battery}) {
    if (meter->pointCount < 0 || meter->pointCount > kMeterHistory || meter->ringCursor < 0 ||
        meter->ringCursor >= kMeterHistory || meter->barLength < 0) {
      std::abort();
    }
  }
  (void)meterBands(meters);
  RecordingSurface surface({std::max(width, 1), 40}, nullptr, /*record=*/false);
  drawMeters(surface, meters, {0, 0, width, 40});
}

}  // namespace zembrik::fuzzing
