// The Alarms page's refresh on the grid's model: every second it writes all 100 rows of 7 columns
// again, nearly always with the texts they already have. Counts allocations per refresh.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "grid_model.h"

namespace {
std::atomic<long> allocations{0};

void* allocate(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* block = std::malloc(size == 0 ? 1 : size))
    return block;
  throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t size) {
  return allocate(size);
}
void* operator new[](std::size_t size) {
  return allocate(size);
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete[](void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  std::free(block);
}

namespace {

using namespace zembrik::grid;

class SevenPixels final : public TextMeasure {
 public:
  int textWidth(std::u16string_view text) override { return 7 * static_cast<int>(text.size()); }
};

void BM_RewriteUnchangedRows(benchmark::State& state) {
  constexpr int kRows = 101, kColumns = 7;
  GridModel grid;
  grid.setSize(kRows, kColumns);
  grid.setFixed(1, 1);
  grid.setSelectionMode(SelectionMode::Rows);
  grid.setViewSize(600, 400);
  std::vector<std::u16string> texts;
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c)
      texts.push_back(u"in 02 hours and " + std::u16string(1, char16_t(u'0' + (r + c) % 10)) +
                      u"5 min.");
  SevenPixels measure;
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c)
      grid.setText({r, c}, texts[static_cast<std::size_t>(r * kColumns + c)], &measure);
  grid.sizeColumnsToContents(measure);
  long before = allocations.load();
  long refreshes = 0;
  for (auto _ : state) {
    for (int r = 1; r < kRows; ++r)
      for (int c = 0; c < kColumns; ++c)
        benchmark::DoNotOptimize(
            grid.setText({r, c}, texts[static_cast<std::size_t>(r * kColumns + c)], &measure));
    ++refreshes;
  }
  state.counters["allocations_per_refresh"] =
      static_cast<double>(allocations.load() - before) / static_cast<double>(refreshes);
}
BENCHMARK(BM_RewriteUnchangedRows)->Unit(benchmark::kMicrosecond);

}  // namespace
