// The tooltip text build of one hover: a two-line custom tooltip rendered for the moment.
#include <benchmark/benchmark.h>

#include "engine/format/format_compile.h"
#include "engine/names/name_tables.h"
#include "engine/taskbar/tooltip_text.h"

namespace {

using namespace zembrik;

void BM_TooltipTextBuild(benchmark::State& state) {
  NameTables names;
  EmptyZoneTable zones;
  FixedSystemTimeZone systemZone;
  FixedLockKeyStates lockKeys{false, false, false};
  FormatEnvironment env{names, zones, systemZone, lockKeys};
  RenderMoment moment{CalendarTime{2026, 12, 3, 9, 8, 41, 17, 0},
                      CalendarTime{2026, 12, 3, 9, 9, 41, 17, 0}};
  CompiledFormat compiled;
  compileFormat(u"dddd, d MMMM yyyy\\nHH:mm:ss", compiled, false, zones);
  std::u16string text;
  for (auto _ : state) {
    PaintCache cache;
    buildTooltipText(false, u"", compiled.front(), moment, cache, env, text);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_TooltipTextBuild);

}  // namespace
