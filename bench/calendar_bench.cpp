// One month of the calendar popup: building its grid and painting it on a surface that measures
// with fixed metrics and draws nothing, as the host does for every page turn and new day.
#include <benchmark/benchmark.h>

#include "engine/calendar/calendar_layout.h"
#include "engine/calendar/calendar_month.h"
#include "engine/calendar/calendar_painter.h"
#include "engine/calendar/calendar_settings.h"
#include "tests/doubles/recording_surface.h"

namespace {

using namespace zembrik;

void BM_BuildMonthGrid(benchmark::State& state) {
  CalendarDate shown = calendarDateOf(2024, 3, 15);
  const CalendarDate today = shown;
  for (auto _ : state) {
    benchmark::DoNotOptimize(buildMonthGrid(shown, 1, today));
    shown = movedBy(shown, 1, 0);
  }
}
BENCHMARK(BM_BuildMonthGrid);

void BM_BuildAndPaintMonth(benchmark::State& state) {
  const CalendarSettings settings;
  RecordingSurface surface({200, 160}, nullptr, /*record=*/false);
  CalendarDate shown = calendarDateOf(2024, 3, 15);
  const CalendarDate today = shown;
  for (auto _ : state) {
    const CalendarLayout layout =
        layOutCalendar(calendarCellSize(surface), kNamesAbove | kWeeksLeft | kWeeksRight);
    paintMonth(surface, buildMonthGrid(shown, settings.firstWeekday, today), layout,
               settings.weekdayNames, CalendarColours{});
    shown = movedBy(shown, 1, 0);
  }
}
BENCHMARK(BM_BuildAndPaintMonth);

}  // namespace
