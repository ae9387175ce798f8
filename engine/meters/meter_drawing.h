#pragma once
// Drawing the meters onto the face, and the room their bars take from the text area.
#include "engine/meters/meter_block.h"
#include "engine/paint/draw_surface.h"
#include "engine/paint/face_frame.h"

namespace zembrik {

// Pixels the text area gives up on each edge: every bar's width plus its space.
EdgeBands meterBands(const ClockMeters& meters) noexcept;

// Draws one meter: its graph, then its bar in `sideBars` (left or right edge) or `endBars` (top
// or bottom edge). Nothing when it is hidden or has neither bar nor graph. The surface keeps
// the pens and the brush, made once per colour.
void drawMeter(DrawSurface& surface, const MeterBlock& meter, const Rect& sideBars,
               const Rect& endBars);

// Draws battery, memory and CPU in that order within the client rectangle. The bars on one
// edge stand side by side, the battery's outermost, each followed by its space.
void drawMeters(DrawSurface& surface, const ClockMeters& meters, const Rect& client);

}  // namespace zembrik
