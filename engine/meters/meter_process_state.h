#pragma once
// Meter state shared by every clock of the process.
#include <cstdint>
#include <memory>

#include "meters/meter_surface.h"

namespace zembrik {

// When the battery meter shows while the computer runs on mains power ("btrOnAC").
enum class MainsMode {
  ShownOnMains,        // "A"
  ShownWhileCharging,  // "C", and when the value is absent or empty
  HiddenOnMains,       // any other character
};

// One solid brush for the bars of every clock, made on first use and made again when a bar
// of another colour is drawn.
class BarBrushCache {
 public:
  // Null when the surface cannot make the brush.
  const SurfaceObject* brushFor(std::uint32_t colour, MeterSurface& surface);

 private:
  std::uint32_t colour_ = 0;
  std::unique_ptr<SurfaceObject> brush_;
};

struct MeterProcessState {
  // The last GetSystemTimes reading of any clock, in 100-nanosecond units; 0 before the first.
  // Shared, so each clock's CPU load covers the time since the previous tick of any clock.
  std::uint64_t previousCpuTotal = 0;
  std::uint64_t previousCpuIdle = 0;
  // Set by every settings load that reads the meters; the last load decides for all clocks.
  MainsMode mainsMode = MainsMode::ShownWhileCharging;
  BarBrushCache barBrush;
};

}  // namespace zembrik
