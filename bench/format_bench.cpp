// Rendering cost per paint: one segment of a seconds clock, a long mixed format, and every
// segment of the three-column default face.
#include <benchmark/benchmark.h>

#include "engine/format/format_compile.h"
#include "engine/format/format_render.h"
#include "engine/names/name_tables.h"

namespace {

using namespace zembrik;

struct Environment {
  NameTables names;
  EmptyZoneTable zones;
  FixedSystemTimeZone systemZone{[] {
    SystemZoneInfo info;
    info.bias = -60;
    info.daylightBias = -60;
    info.daylightInForce = true;
    info.setStandardName(u"W. Europe Standard Time");
    info.setDaylightName(u"W. Europe Daylight Time");
    return info;
  }()};
  FixedLockKeyStates lockKeys{true, false, false};
  FormatEnvironment env{names, zones, systemZone, lockKeys};
  RenderMoment moment{CalendarTime{2026, 7, 3, 15, 12, 34, 56, 0},
                      CalendarTime{2026, 7, 3, 15, 14, 34, 56, 0}};
};

void renderOneSegment(benchmark::State& state, std::u16string_view format) {
  Environment e;
  CompiledFormat compiled;
  compileFormat(format, compiled, false, e.zones);
  PaintCache cache;
  std::u16string out;
  for (auto _ : state) {
    cache.reset();
    SegmentState segmentState;
    benchmark::DoNotOptimize(renderSegment(compiled[0], e.moment, cache, segmentState, e.env, out));
    benchmark::DoNotOptimize(out.data());
  }
}

void BM_RenderSeconds(benchmark::State& state) {
  renderOneSegment(state, u"HH:mm:ss");
}
BENCHMARK(BM_RenderSeconds);

void BM_RenderLongMixed(benchmark::State& state) {
  renderOneSegment(state,
                   u"dddd, d. MMMM yyyy 'week' ww (dn) h:mm:ss P ZZ:zz zzm ZA | @{}HH:mm ZA | "
                   u"ddde MME yy M/d ddx MMMX A N S");
}
BENCHMARK(BM_RenderLongMixed);

void BM_RenderDefaultFace(benchmark::State& state) {
  Environment e;
  const std::u16string_view cells[] = {u"N<' '", u"<dddd>",       u" HH:mm",
                                       u"A<' '", u"<d MMM yyyy>", u"S<' '"};
  std::vector<CompiledFormat> face;
  for (auto cell : cells) compileFormat(cell, face.emplace_back(), true, e.zones);
  PaintCache cache;
  std::u16string out;
  for (auto _ : state) {
    cache.reset();  // as before every paint
    for (const auto& compiled : face) {
      SegmentState segmentState;  // every cell starts at local time
      for (const auto& segment : compiled) {
        benchmark::DoNotOptimize(renderSegment(segment, e.moment, cache, segmentState, e.env, out));
        benchmark::DoNotOptimize(out.data());
      }
    }
  }
}
BENCHMARK(BM_RenderDefaultFace);

void BM_CompileLongMixed(benchmark::State& state) {
  EmptyZoneTable zones;
  CompiledFormat compiled;
  for (auto _ : state) {
    compileFormat(u"dddd, d. MMMM yyyy 'week' ww h:mm:ss P<ZZ:zz zzm>@{}HH:mm ZA", compiled, true,
                  zones);
    benchmark::DoNotOptimize(compiled.data());
  }
}
BENCHMARK(BM_CompileLongMixed);

}  // namespace
