#pragma once
// `c_Resizer`: moves a dialog's controls with the change of its client size. Each control keeps
// its initial rectangle and an anchor of 8 bits: bits 0-1 the left edge (1: moves by the width
// change; 2: by the change times the left factor), bits 2-3 the right edge (4; 8), bits 4-5 the
// top edge (16; 32) and bits 6-7 the bottom edge (64; 128), each pair with its own factor.
#include <array>
#include <cstdint>
#include <vector>

#include "engine/paint/geometry.h"

namespace zembrik {

struct ResizedControl {
  int id = 0;
  Rect initial;
  std::uint8_t anchor = 0;
  std::array<double, 4> factors{1.0, 1.0, 1.0, 1.0};  // left, right, top, bottom
};

class c_Resizer {
 public:
  void start(Size initialClient) noexcept { initialClient_ = initialClient; }
  void add(const ResizedControl& control) { controls_.push_back(control); }
  const std::vector<ResizedControl>& controls() const noexcept { return controls_; }

  // The rectangle of `control` for a client area of `client`.
  Rect rectFor(const ResizedControl& control, Size client) const noexcept;

 private:
  Size initialClient_;
  std::vector<ResizedControl> controls_;
};

}  // namespace zembrik
