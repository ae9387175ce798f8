// The Clock page's reload of a 10 x 10 face and its idle one-second refresh, on the in-memory
// registry.
#include <benchmark/benchmark.h>

#include "bench/clock_page_reload.h"
#include "engine/registry/memory_registry.h"
#include "engine/settings/settings_paths.h"

namespace {

using namespace zembrik;

std::unique_ptr<RegistryKey> tenByTenSet(MemoryRegistry& registry) {
  auto set = registry.currentUser()
                 ->createSubkey(u"Software\\OBR\\Zembrik\\horizontal", kKeyReadWrite,
                                KeyLifetime::Persistent)
                 .key;
  bench::storeTenByTenFace(*set);
  return set;
}

void BM_ClockPageReloadTenByTen(benchmark::State& state) {
  MemoryRegistry registry;
  auto set = tenByTenSet(registry);
  bench::BenchPageServices services(*set);
  ClockPageModel page(services);
  for (auto _ : state) benchmark::DoNotOptimize(page.afterSelectClockSet(true));
}
BENCHMARK(BM_ClockPageReloadTenByTen);

void BM_ClockPageIdleRefresh(benchmark::State& state) {
  MemoryRegistry registry;
  auto set = tenByTenSet(registry);
  bench::BenchPageServices services(*set);
  ClockPageModel page(services);
  page.afterSelectClockSet(true);
  page.markInitialised();
  auto writes = registry.valueWrites();
  for (auto _ : state) benchmark::DoNotOptimize(page.afterSelectClockSet(false));
  state.counters["writes"] = static_cast<double>(registry.valueWrites() - writes);
}
BENCHMARK(BM_ClockPageIdleRefresh);

}  // namespace
