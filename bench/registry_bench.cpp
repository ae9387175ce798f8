// Typed reads from the in-memory registry: the floor under every settings load.
#include <benchmark/benchmark.h>

#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"

namespace {

using namespace zembrik;

void BM_ReadNumberAndText(benchmark::State& state) {
  MemoryRegistry registry;
  auto set = registry.currentUser()
                 ->createSubkey(u"Software\\OBR\\Zembrik\\horizontal", kKeyReadWrite,
                                KeyLifetime::Persistent)
                 .key;
  writeNumber(*set, u"nColumns", 3);
  writeText(*set, u"cell_0_0", u",,,,,,:HH:mm");
  for (auto _ : state) {
    benchmark::DoNotOptimize(readNumber(*set, u"nColumns"));
    benchmark::DoNotOptimize(readText(*set, u"cell_0_0"));
  }
}
BENCHMARK(BM_ReadNumberAndText);

}  // namespace
