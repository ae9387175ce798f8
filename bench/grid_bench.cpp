// The Alarms page's refresh on the grid's model: every second it writes all 100 rows of 7 columns
// again, nearly always with the texts they already have. Counts allocations per refresh.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/allocation_counter.h"
#include "grid/grid_model.h"

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
  const std::uint64_t before = zembrik::bench::allocationCount();
  long refreshes = 0;
  for (auto _ : state) {
    for (int r = 1; r < kRows; ++r)
      for (int c = 0; c < kColumns; ++c)
        benchmark::DoNotOptimize(
            grid.setText({r, c}, texts[static_cast<std::size_t>(r * kColumns + c)], &measure));
    ++refreshes;
  }
  state.counters["allocations_per_refresh"] =
      static_cast<double>(zembrik::bench::allocationCount() - before) /
      static_cast<double>(refreshes);
}
BENCHMARK(BM_RewriteUnchangedRows)->Unit(benchmark::kMicrosecond);

}  // namespace
