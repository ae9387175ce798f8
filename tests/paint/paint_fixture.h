#pragma once
// A clock configuration built cell by cell, fonts with fixed metrics, a fixed moment and
// recording surfaces: everything the painter reads, without the platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/format/format_compile.h"
#include "engine/format/format_render.h"
#include "engine/names/name_tables.h"
#include "engine/paint/face_painter.h"
#include "engine/settings/clock_config.h"
#include "engine/settings/font_cache.h"
#include "tests/doubles/recording_surface.h"
#include "tests/support/paint_world.h"

namespace zembrik::testing {

// Colours that tell every role apart in a recording.
inline FaceColours distinctColours() {
  FaceColours colours;
  colours.text = 0x000011;
  colours.highlight = 0x000022;
  colours.shadow = 0x000033;
  colours.highlightPen = 0x000044;
  colours.shadowPen = 0x000055;
  colours.face = 0x000066;
  return colours;
}

class PaintFixture : public ::testing::Test, protected PaintWorld<RecordingFontFactory> {
 protected:
  PaintFixture() { colours = distinctColours(); }

  // A cell showing `format` as written, in a font of `size` points (0: the surface's own font).
  CellConfig& addCell(std::u16string_view format, int size = 10) {
    auto cell = std::make_unique<CellConfig>();
    cell->format = std::u16string(format);
    compileFormat(cell->format, cell->compiled, /*cellMode=*/true, zones);
    if (size > 0) {
      FontRequest request;
      request.face = "Arial";
      request.size = size;
      cell->font = fonts.acquire(request);
    }
    clock.cells.push_back(std::move(cell));
    return *clock.cells.back();
  }
  void addEmptySlot() { clock.cells.push_back(nullptr); }

  void setTime(int hour, int minute, int second) {
    CalendarTime time{2026,
                      12,
                      2,
                      8,
                      static_cast<std::uint16_t>(hour),
                      static_cast<std::uint16_t>(minute),
                      static_cast<std::uint16_t>(second),
                      0};
    moment = {time, time};
  }

  PaintInputs inputs() {
    PaintInputs inputs = inputsAt(moment);
    inputs.osGeneration = osGeneration;
    inputs.alarmRinging = alarmRinging;
    return inputs;
  }

  PaintOutcome measure() { return painter.measure(clock, inputs()); }
  PaintOutcome draw(Size client) {
    target.clear();
    if (surfaces.last != nullptr)
      surfaces.last->clear();
    return painter.draw(clock, inputs(), target, client);
  }
  // The drawings made into the painter's off-screen surface by the last draw pass.
  const std::vector<DrawOp>& drawn() const { return surfaces.last->ops(); }
  std::vector<DrawOp> drawnOf(DrawOpKind kind) const {
    std::vector<DrawOp> found;
    std::copy_if(drawn().begin(), drawn().end(), std::back_inserter(found),
                 [&](const DrawOp& op) { return op.kind == kind; });
    return found;
  }

  RenderMoment moment{};
  int osGeneration = 7;
  bool alarmRinging = false;

  RecordingSurfaceFactory surfaces{&fontFactory};
  RecordingSurface target{{0, 0}};
  FacePainter painter{surfaces};
};

}  // namespace zembrik::testing
