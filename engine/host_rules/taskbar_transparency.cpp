#include "engine/host_rules/taskbar_transparency.h"

#include <algorithm>

namespace zembrik {

std::uint32_t alphaFromPercent(std::uint32_t percent) {
  const std::uint64_t alpha = std::uint64_t{percent} * 255 / 100;
  return static_cast<std::uint32_t>(std::min<std::uint64_t>(alpha, 0xFFFFFFFF));
}

bool TaskbarTransparency::set(std::uint32_t alpha, bool apply) {
  if (alpha >= kLimit || alpha == alpha_)
    return false;
  alpha_ = alpha;
  return apply;
}

std::uint32_t TaskbarTransparency::prepareReapply() {
  const std::uint32_t previous = alpha_;
  alpha_ = previous + 1;
  return previous;
}

}  // namespace zembrik
