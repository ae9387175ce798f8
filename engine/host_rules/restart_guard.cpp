#include "engine/host_rules/restart_guard.h"

namespace zembrik {

std::uint32_t RestartGuard::stamp(std::uint32_t nowTick) {
  const std::uint32_t elapsed = nowTick - lastTick_;
  lastTick_ = nowTick;
  return elapsed;
}

bool RestartGuard::noteRecreation(bool shellProcessChanged, std::uint32_t elapsedMs) {
  if (shellProcessChanged)
    count_ = elapsedMs >= kWindowMs ? 1 : count_ + 1;
  return count_ >= kGiveUpCount;
}

}  // namespace zembrik
