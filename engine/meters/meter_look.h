#pragma once
// What the meters put on a clock's face, kept from one tick to the next so that a tick repaints
// only when a bar or a graph would draw other pixels (a graph of a steady load shifts along
// without changing).
#include <array>
#include <cstdint>

#include "engine/meters/meter_block.h"

namespace zembrik {

class MeterLook {
 public:
  // Takes the look of `meters` now.
  void take(const ClockMeters& meters) noexcept;
  // Whether `meters` would now draw other pixels than at the last `take`.
  bool differs(const ClockMeters& meters) const noexcept;

 private:
  struct OneMeter {
    std::int32_t barLength = 0;
    bool hidden = false;
    bool charging = false;
    bool graphOn = false;
    std::int32_t pointCount = 0;
    std::array<Point, kMeterHistory> points{};
  };
  static void take(OneMeter& look, const MeterBlock& meter) noexcept;
  static bool differs(const OneMeter& look, const MeterBlock& meter) noexcept;

  std::array<OneMeter, 3> meters_{};
};

}  // namespace zembrik
