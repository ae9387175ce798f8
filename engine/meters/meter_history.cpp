#include "engine/meters/meter_history.h"

#include <algorithm>
#include <cstdint>

namespace zembrik {

namespace {

// The graph's y for a percentage: the area's bottom edge (one past its last row) at 0 %, its
// top at 100 %. Computed wide so that no area size can overflow.
std::int32_t graphY(int percent, const MeterArea& area) noexcept {
  std::int64_t y = std::int64_t{area.top} + area.height - std::int64_t{percent} * area.height / 100;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(y, INT32_MIN, INT32_MAX));
}

}  // namespace

bool updateBarLength(MeterBlock& meter, int percent, const MeterArea& area) noexcept {
  bool alongHeight = meter.position == BarEdge::Left || meter.position == BarEdge::Right;
  std::int64_t extent = alongHeight ? area.height : area.width;
  // An unknown charge comes as -1 %: the bar is then empty, not reaching outside the edge.
  auto length =
      static_cast<std::int32_t>(std::clamp<std::int64_t>(extent * percent / 100, 0, INT32_MAX));
  if (length == meter.barLength)
    return false;
  meter.barLength = length;
  return true;
}

void addSample(MeterBlock& meter, int percent, const MeterArea& area) noexcept {
  meter.samples[static_cast<std::size_t>(meter.ringCursor)] = static_cast<std::int8_t>(percent);
  meter.ringCursor = (meter.ringCursor + 1) % kMeterHistory;
  if (!meter.graphOn)
    return;
  // Before the painter has given the meters an area there is no graph to move.
  if (area.width < 1)
    return;

  std::int32_t y = graphY(percent, area);
  if (meter.pointCount < area.width && meter.pointCount < kMeterHistory) {
    meter.points[static_cast<std::size_t>(meter.pointCount)].y = y;
    ++meter.pointCount;
    std::int32_t firstX = area.width - meter.pointCount;
    for (std::int32_t k = 0; k < meter.pointCount; ++k)
      meter.points[static_cast<std::size_t>(k)].x = firstX + k;
    return;
  }
  int last = std::min(area.width - 1, kMeterHistory - 1);
  Point* points = meter.points.data();
  for (int k = 0; k < last; ++k) points[k].y = points[k + 1].y;
  points[last].y = y;
}

void rebuildGraph(MeterBlock& meter, const MeterArea& area) noexcept {
  int count = std::clamp(area.width, 0, kMeterHistory);
  int slot = meter.ringCursor;
  for (int k = count - 1; k >= 0; --k) {
    slot = (slot + kMeterHistory - 1) % kMeterHistory;
    auto& point = meter.points[static_cast<std::size_t>(k)];
    point.x = area.width - count + k;
    point.y = graphY(meter.samples[static_cast<std::size_t>(slot)], area);
  }
  meter.pointCount = count;
}

void rebuildGraphs(ClockMeters& meters, const MeterArea& area) noexcept {
  meters.area = area;
  for (MeterBlock* meter : {&meters.memory, &meters.cpu, &meters.battery}) {
    if (meter->graphOn)
      rebuildGraph(*meter, area);
  }
}

}  // namespace zembrik
