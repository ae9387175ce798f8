#pragma once
// The three meters of a clock (memory load, CPU load, battery charge): each an optional bar
// along one edge and an optional graph of the last samples across the face.
#include <array>
#include <cstdint>

#include "engine/paint/geometry.h"

namespace zembrik {

// Samples kept per meter, and the most points a graph ever has.
inline constexpr int kMeterHistory = 1024;

// The edge a bar stands on, as stored in the settings.
enum class BarEdge : std::int32_t { Left = 0, Right = 1, Top = 2, Bottom = 3 };

struct MeterBlock {
  std::uint32_t barColour = 0;
  BarEdge position = BarEdge::Left;
  std::int8_t barWidth = 0;  // pixels across the edge; 0: no bar
  std::int8_t space = 0;     // pixels the text area gives up beside the bar
  std::int32_t barLength = 0;
  bool hidden = false;    // battery only: not drawn (on mains power, or no battery)
  bool charging = false;  // battery only: bar and graph take their charge colours
  bool graphOn = false;
  std::array<std::int8_t, kMeterHistory> samples{};  // percentages; the oldest is overwritten
  std::uint32_t graphColour = 0;
  std::uint32_t graphChargeColour = 0;
  std::uint32_t barChargeColour = 0;
  std::array<Point, kMeterHistory> points{};  // the graph in client coordinates
  std::int32_t pointCount = 0;
  std::int32_t ringCursor = 0;  // next slot of `samples`

  bool barOn() const noexcept { return barWidth != 0; }
};

// The part of the client area the meters scale to, set by the painter: the client width, the
// client height less the add-on strip (and a vertical face's separator), the strip's height.
struct MeterArea {
  int width = 0;
  int height = 0;
  int top = 0;

  bool operator==(const MeterArea&) const = default;
};

struct ClockMeters {
  MeterBlock memory;
  MeterBlock cpu;
  MeterBlock battery;
  MeterArea area;
  // Set at attach. The memory meter always shows the physical memory load; the flag is kept
  // for the layout of the clock's state and changes nothing.
  bool physicalMemoryLoad = true;
};

}  // namespace zembrik
