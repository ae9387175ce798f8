#include "engine/calendar/c_resizer.h"

#include <cmath>

namespace zembrik {

namespace {

// The move of one edge for a size change `delta`: bit `whole` moves it by all of it, bit
// `scaled` by `factor` of it.
int edgeMove(std::uint8_t anchor, unsigned whole, unsigned scaled, double factor, int delta) {
  if ((anchor & whole) != 0)
    return delta;
  if ((anchor & scaled) != 0)
    return static_cast<int>(std::lround(delta * factor));
  return 0;
}

}  // namespace

Rect c_Resizer::rectFor(const ResizedControl& control, Size client) const noexcept {
  const int dw = client.width - initialClient_.width;
  const int dh = client.height - initialClient_.height;
  const auto& f = control.factors;
  const std::uint8_t a = control.anchor;
  const Rect& r = control.initial;
  return {r.left + edgeMove(a, 1, 2, f[0], dw), r.top + edgeMove(a, 16, 32, f[2], dh),
          r.right + edgeMove(a, 4, 8, f[1], dw), r.bottom + edgeMove(a, 64, 128, f[3], dh)};
}

}  // namespace zembrik
