#pragma once
// Meter state shared by every clock of the process.
#include <cstdint>

namespace zembrik {

// When the battery meter shows while the computer runs on mains power ("btrOnAC").
enum class MainsMode {
  ShownOnMains,        // "A"
  ShownWhileCharging,  // "C", and when the value is absent or empty
  HiddenOnMains,       // any other character
};

// The pens of the graphs and the brush of the bars are made and kept by the drawing surface,
// once per colour; what the meters share besides is here.
struct MeterProcessState {
  // The last GetSystemTimes reading of any clock, in 100-nanosecond units; 0 before the first.
  // Shared, so each clock's CPU load covers the time since the previous tick of any clock.
  std::uint64_t previousCpuTotal = 0;
  std::uint64_t previousCpuIdle = 0;
  // Set by every settings load that reads the meters; the last load decides for all clocks.
  MainsMode mainsMode = MainsMode::ShownWhileCharging;
};

}  // namespace zembrik
