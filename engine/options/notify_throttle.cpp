#include "engine/options/notify_throttle.h"

namespace zembrik {
namespace {

// Two held scopes become one that reaches every window either would have.
NotifyScope widest(NotifyScope a, NotifyScope b) {
  if (a == b)
    return a;
  return NotifyScope::EveryClock;
}

}  // namespace

std::optional<NotifyScope> NotifyThrottle::request(NotifyScope scope, std::uint64_t nowMs) {
  if (held_) {
    held_ = widest(*held_, scope);
    return due(nowMs);
  }
  if (msUntilDue(nowMs) == 0)
    return send(scope, nowMs);
  held_ = scope;
  return std::nullopt;
}

std::optional<NotifyScope> NotifyThrottle::due(std::uint64_t nowMs) {
  if (!held_ || msUntilDue(nowMs) != 0)
    return std::nullopt;
  const NotifyScope scope = *held_;
  held_.reset();
  return send(scope, nowMs);
}

std::optional<NotifyScope> NotifyThrottle::flush() {
  std::optional<NotifyScope> scope = held_;
  held_.reset();
  return scope;
}

std::uint32_t NotifyThrottle::msUntilDue(std::uint64_t nowMs) const noexcept {
  // A clock that went backwards (a tick count of another origin) does not hold anything for long.
  if (!lastSentMs_ || nowMs < *lastSentMs_ || nowMs - *lastSentMs_ >= intervalMs_)
    return 0;
  return static_cast<std::uint32_t>(intervalMs_ - (nowMs - *lastSentMs_));
}

std::optional<NotifyScope> NotifyThrottle::send(NotifyScope scope, std::uint64_t nowMs) {
  lastSentMs_ = nowMs;
  return scope;
}

}  // namespace zembrik
