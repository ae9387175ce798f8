// The painter's two passes over the three-column default face, on a surface that measures with
// fixed metrics and draws nothing: what the layout and drawing rules cost the taskbar's thread
// beyond GDI's own work.
#include <benchmark/benchmark.h>

#include "engine/format/format_render.h"
#include "engine/names/name_tables.h"
#include "engine/paint/face_painter.h"
#include "engine/settings/face_loading.h"
#include "tests/doubles/recording_surface.h"
#include "tests/support/paint_world.h"

namespace {

using namespace zembrik;

class DefaultFace : public testing::PaintWorld<RecordingFontFactory> {
 public:
  DefaultFace() {
    clock.placement.windowHeight = 40;
    buildDefaultFace(clock, fonts, zones);
    clock.columnMetrics.assign(static_cast<std::size_t>(clock.columns), ColumnMetrics{});
    PackedSize wanted = painter.measure(clock, inputs()).size;
    client = {packedWidth(wanted), packedHeight(wanted)};
  }

  PaintInputs inputs() { return inputsAt(moment); }

  CalendarTime time{2026, 12, 2, 8, 10, 9, 5, 0};
  RenderMoment moment{time, time};
  RecordingSurfaceFactory surfaces{&fontFactory, /*record=*/false};
  FacePainter painter{surfaces};
  RecordingSurface window{{200, 40}, nullptr, /*record=*/false};
  Size client;
};

void BM_MeasurePass(benchmark::State& state) {
  DefaultFace face;
  for (auto _ : state)
    benchmark::DoNotOptimize(face.painter.measure(face.clock, face.inputs()).size);
}
BENCHMARK(BM_MeasurePass);

void BM_DrawPass(benchmark::State& state) {
  DefaultFace face;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        face.painter.draw(face.clock, face.inputs(), face.window, face.client).size);
  }
}
BENCHMARK(BM_DrawPass);

void BM_MeasureThenDraw(benchmark::State& state) {
  DefaultFace face;
  for (auto _ : state) {
    face.painter.measure(face.clock, face.inputs());
    benchmark::DoNotOptimize(
        face.painter.draw(face.clock, face.inputs(), face.window, face.client).size);
  }
}
BENCHMARK(BM_MeasureThenDraw);

// What a tick pays on a face that may change any second (lock keys, seconds) to find out that
// it did not: every segment rendered and compared, nothing measured or drawn.
void BM_TickFindsNoChange(benchmark::State& state) {
  DefaultFace face;
  face.painter.draw(face.clock, face.inputs(), face.window, face.client);
  for (auto _ : state)
    benchmark::DoNotOptimize(face.painter.wouldDrawOtherTexts(face.clock, face.inputs()));
}
BENCHMARK(BM_TickFindsNoChange);

}  // namespace
