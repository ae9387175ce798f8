// The host's per-second alarm check with 10, 100 and 1000 alarms none of which is due: integer
// comparisons only, no allocation and no reading of the local time. And one next-occurrence
// computation, the work done when an alarm is due.
#include <benchmark/benchmark.h>

#include "bench/allocation_counter.h"
#include "engine/alarms/alarm_record_text.h"
#include "engine/alarms/alarm_schedule.h"
#include "engine/alarms/next_occurrence.h"
#include "engine/timezone/calendar_days.h"

namespace {

using namespace zembrik;

// 2026-12-09 07:00:00, a Wednesday; the tick count stands still, so nothing becomes due.
class StillTime final : public AlarmTimeSource {
 public:
  CalendarTime localNow() override {
    ++localTimeReads;
    CalendarTime t{2026, 12, 3, 9, 7, 0, 0, 0};
    return t;
  }
  std::uint32_t tickCount() override { return 123'456; }
  std::uint64_t localTimeReads = 0;
};

class NoSignals final : public AlarmSignals {
 public:
  void alarmOn(std::int32_t) override {}
  void alarmOff(std::int32_t) override {}
};

void BM_CheckNoneDue(benchmark::State& state) {
  StillTime time;
  NoSignals signals;
  std::vector<AlarmRecord> records;
  for (std::int64_t i = 0; i < state.range(0); ++i) {
    auto record = parseAlarmRecord(u"073000 d20261209 W:sMTWTF c:ffffff E:60 >");
    record->number = static_cast<std::int32_t>(i + 1);
    records.push_back(*record);
  }
  AlarmSchedule schedule;
  schedule.schedule(std::move(records), time, signals);
  const std::uint64_t allocationsBefore = zembrik::bench::allocationCount();
  const std::uint64_t readsBefore = time.localTimeReads;
  for (auto _ : state) {
    schedule.check(time, signals);
    benchmark::ClobberMemory();
  }
  state.counters["allocations"] =
      static_cast<double>(zembrik::bench::allocationCount() - allocationsBefore);
  state.counters["localTimeReads"] = static_cast<double>(time.localTimeReads - readsBefore);
}
BENCHMARK(BM_CheckNoneDue)->Arg(10)->Arg(100)->Arg(1000);

void BM_NextOccurrence(benchmark::State& state) {
  const auto weekly = *parseAlarmRecord(u"073000 d20261209 W:sMTWTF E:60");
  const auto monthly = *parseAlarmRecord(u"073000 M20260131 w: E:60");
  const auto& record = state.range(0) == 0 ? weekly : monthly;
  CalendarTime now{2026, 4, 3, 30, 8, 0, 0, 0};
  for (auto _ : state) {
    benchmark::DoNotOptimize(nextOccurrence(record, now));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_NextOccurrence)->Arg(0)->Arg(1);  // weekly, monthly

}  // namespace
