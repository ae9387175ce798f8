#include "meters/meter_drawing.h"

#include <span>

namespace zembrik {

namespace {

void addBand(MeterBands& bands, const MeterBlock& meter) noexcept {
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

void drawGraph(MeterSurface& surface, MeterBlock& meter) {
  std::uint32_t colour = meter.charging ? meter.graphChargeColour : meter.graphColour;
  if (!meter.pen || colour != meter.penColourInUse) {
    meter.pen.reset();
    meter.pen = surface.createSolidPen(colour);
    meter.penColourInUse = meter.pen ? colour : kNoPenColour;
  }
  if (meter.pen && meter.pointCount > 1) {
    surface.polyline(*meter.pen,
                     std::span(meter.points.data(), static_cast<std::size_t>(meter.pointCount)));
  }
}

MeterRect barRect(const MeterBlock& meter, const MeterRect& sideBars, const MeterRect& endBars) {
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
void narrowForBar(const MeterBlock& meter, MeterRect& sideBars, MeterRect& endBars) noexcept {
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

MeterBands meterBands(const ClockMeters& meters) noexcept {
  MeterBands bands;
  addBand(bands, meters.memory);
  addBand(bands, meters.cpu);
  addBand(bands, meters.battery);
  return bands;
}

void drawMeter(MeterSurface& surface, MeterBlock& meter, const MeterRect& sideBars,
               const MeterRect& endBars, BarBrushCache& brushes) {
  if (meter.hidden || (!meter.graphOn && !meter.barOn()))
    return;
  if (meter.graphOn)
    drawGraph(surface, meter);
  if (!meter.barOn() || meter.barLength == 0)
    return;
  std::uint32_t colour = meter.charging ? meter.barChargeColour : meter.barColour;
  if (const SurfaceObject* brush = brushes.brushFor(colour, surface))
    surface.fillRect(barRect(meter, sideBars, endBars), *brush);
}

void drawMeters(MeterSurface& surface, ClockMeters& meters, const MeterRect& client,
                BarBrushCache& brushes) {
  MeterRect sideBars = client;
  MeterRect endBars = client;
  for (MeterBlock* meter : {&meters.battery, &meters.memory, &meters.cpu}) {
    drawMeter(surface, *meter, sideBars, endBars, brushes);
    if (meter->barOn())
      narrowForBar(*meter, sideBars, endBars);
  }
}

const SurfaceObject* BarBrushCache::brushFor(std::uint32_t colour, MeterSurface& surface) {
  if (!brush_ || colour != colour_) {
    brush_.reset();
    brush_ = surface.createSolidBrush(colour);
    colour_ = colour;
  }
  return brush_.get();
}

}  // namespace zembrik
