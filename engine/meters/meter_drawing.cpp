#include "engine/meters/meter_drawing.h"

#include <span>

namespace zembrik {

namespace {

void addBand(EdgeBands& bands, const MeterBlock& meter) noexcept {
  if (!meter.barOn())
    return;
  int taken = meter.barWidth + meter.space;
  switch (meter.position) {
    case BarEdge::Left:
      bands.left += taken;
      break;
    case BarEdge::Right:
      bands.right += taken;
      break;
    case BarEdge::Top:
      bands.top += taken;
      break;
    case BarEdge::Bottom:
      bands.bottom += taken;
      break;
  }
}

void drawGraph(DrawSurface& surface, const MeterBlock& meter) {
  if (meter.pointCount < 2)
    return;
  surface.setPen(meter.charging ? meter.graphChargeColour : meter.graphColour);
  surface.drawPolyline(std::span(meter.points.data(), static_cast<std::size_t>(meter.pointCount)));
}

Rect barRect(const MeterBlock& meter, const Rect& sideBars, const Rect& endBars) noexcept {
  int w = meter.barWidth;
  int length = meter.barLength;
  switch (meter.position) {
    case BarEdge::Left:
      return {sideBars.left, sideBars.bottom - length, sideBars.left + w, sideBars.bottom};
    case BarEdge::Right:
      return {sideBars.right - w, sideBars.bottom - length, sideBars.right, sideBars.bottom};
    case BarEdge::Top:
      return {endBars.left, endBars.top, endBars.left + length, endBars.top + w};
    case BarEdge::Bottom:
      break;
  }
  return {endBars.left, endBars.bottom - w, endBars.left + length, endBars.bottom};
}

// Moves the edge the meter's bar stands on inwards past the bar and its space.
void narrowForBar(const MeterBlock& meter, Rect& sideBars, Rect& endBars) noexcept {
  int taken = meter.barWidth + meter.space;
  switch (meter.position) {
    case BarEdge::Left:
      sideBars.left += taken;
      break;
    case BarEdge::Right:
      sideBars.right -= taken;
      break;
    case BarEdge::Top:
      endBars.top += taken;
      break;
    case BarEdge::Bottom:
      endBars.bottom -= taken;
      break;
  }
}

}  // namespace

EdgeBands meterBands(const ClockMeters& meters) noexcept {
  EdgeBands bands;
  addBand(bands, meters.memory);
  addBand(bands, meters.cpu);
  addBand(bands, meters.battery);
  return bands;
}

void drawMeter(DrawSurface& surface, const MeterBlock& meter, const Rect& sideBars,
               const Rect& endBars) {
  if (meter.hidden || (!meter.graphOn && !meter.barOn()))
    return;
  if (meter.graphOn)
    drawGraph(surface, meter);
  if (!meter.barOn() || meter.barLength == 0)
    return;
  surface.fillRect(barRect(meter, sideBars, endBars),
                   meter.charging ? meter.barChargeColour : meter.barColour);
}

void drawMeters(DrawSurface& surface, const ClockMeters& meters, const Rect& client) {
  Rect sideBars = client;
  Rect endBars = client;
  for (const MeterBlock* meter : {&meters.battery, &meters.memory, &meters.cpu}) {
    drawMeter(surface, *meter, sideBars, endBars);
    if (meter->barOn())
      narrowForBar(*meter, sideBars, endBars);
  }
}

}  // namespace zembrik
