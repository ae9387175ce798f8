// One tick's meter sampling with every meter's bar and graph on and every graph full (1024
// points shifting), and the allocations it makes: there must be none.
#include <benchmark/benchmark.h>

#include "bench/allocation_counter.h"
#include "engine/meters/meter_history.h"
#include "engine/meters/meter_sampling.h"

namespace {

using namespace zembrik;

// Readings that change every tick, as the real ones do.
class MovingLoad final : public SystemLoad {
 public:
  std::optional<std::uint32_t> memoryLoad() override { return 40 + tick_ % 30; }
  std::optional<CpuTimes> systemTimes() override {
    ++tick_;
    times_.idle += 3'000'000 + (tick_ % 7) * 100'000;
    times_.kernel += 3'000'000 + (tick_ % 7) * 100'000 + 2'000'000;
    times_.user += 5'000'000 - (tick_ % 7) * 100'000;
    return times_;
  }
  std::optional<PowerStatus> powerStatus() override {
    return PowerStatus{0, 0, static_cast<std::uint8_t>(50 + tick_ % 20)};
  }

 private:
  std::uint64_t tick_ = 0;
  CpuTimes times_{1'000'000'000, 2'000'000'000, 500'000'000};
};

class NoNames final : public AlarmNames {
 public:
  std::u16string nameOf(std::int32_t) override { return {}; }
};

void switchOn(MeterBlock& meter, BarEdge edge) {
  meter.position = edge;
  meter.barWidth = 3;
  meter.graphOn = true;
}

void BM_SampleTickAllGraphsFull(benchmark::State& state) {
  MovingLoad system;
  MeterProcessState process;
  NoNames names;
  MeterSources sources{system, process, names};
  auto meters = std::make_unique<ClockMeters>();
  switchOn(meters->memory, BarEdge::Left);
  switchOn(meters->cpu, BarEdge::Right);
  switchOn(meters->battery, BarEdge::Bottom);
  rebuildGraphs(*meters, {1200, 40, 0});  // 1024 points each: full from the start
  AlarmDisplay alarms;
  bool repaintEveryTick = false;
  BatteryAlarmState battery{alarms, 10, repaintEveryTick};  // in play, never ringing
  sampleMeters(*meters, battery, sources, false);

  std::uint64_t before = zembrik::bench::allocationCount();
  for (auto _ : state) {
    bool repaint = sampleMeters(*meters, battery, sources, false);
    benchmark::DoNotOptimize(repaint);
    benchmark::ClobberMemory();
  }
  std::uint64_t made = zembrik::bench::allocationCount() - before;
  state.counters["allocations"] = static_cast<double>(made);
  if (made != 0)
    state.SkipWithError("sampling allocated");
  if (meters->cpu.pointCount != kMeterHistory)
    state.SkipWithError("graph not full");
}
BENCHMARK(BM_SampleTickAllGraphsFull);

}  // namespace
