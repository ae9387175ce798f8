#pragma once
// Drawing the meters onto the face, and the room their bars take from the text area.
#include "meters/meter_block.h"
#include "meters/meter_process_state.h"
#include "meters/meter_surface.h"

namespace zembrik {

// Pixels the text area gives up on each edge: every bar's width plus its space.
struct MeterBands {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;

  bool operator==(const MeterBands&) const = default;
};

MeterBands meterBands(const ClockMeters& meters) noexcept;

// Draws one meter: its graph, then its bar in `sideBars` (left or right edge) or `endBars` (top
// or bottom edge). Nothing when it is hidden or has neither bar nor graph.
void drawMeter(MeterSurface& surface, MeterBlock& meter, const MeterRect& sideBars,
               const MeterRect& endBars, BarBrushCache& brushes);

// Draws battery, memory and CPU in that order within the client rectangle. The bars on one
// edge stand side by side, the battery's outermost, each followed by its space.
void drawMeters(MeterSurface& surface, ClockMeters& meters, const MeterRect& client,
                BarBrushCache& brushes);

}  // namespace zembrik
