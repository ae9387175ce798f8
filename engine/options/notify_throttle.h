#pragma once
// Spaces the reload notifications of a run of edits, such as keystrokes in a text field: the
// first goes at once, the later ones within the interval are held and go as one when it has
// passed. The writes are not held; every held run ends in a notification.
#include <cstdint>
#include <optional>

#include "engine/options/reload_targets.h"

namespace zembrik {

class NotifyThrottle {
 public:
  explicit NotifyThrottle(std::uint32_t intervalMs) : intervalMs_(intervalMs) {}

  // An edit at `nowMs` wants a notification of `scope`: the scope to send now, or nothing when
  // it is held (then `msUntilDue` says when the caller's timer is to fire).
  std::optional<NotifyScope> request(NotifyScope scope, std::uint64_t nowMs);
  // The caller's timer fired at `nowMs`: the held scope when it is due now.
  std::optional<NotifyScope> due(std::uint64_t nowMs);
  // The held scope, sent regardless of the interval (the page closes).
  std::optional<NotifyScope> flush();

  bool holding() const noexcept { return held_.has_value(); }
  std::uint32_t msUntilDue(std::uint64_t nowMs) const noexcept;

 private:
  std::optional<NotifyScope> send(NotifyScope scope, std::uint64_t nowMs);

  std::uint32_t intervalMs_;
  std::optional<std::uint64_t> lastSentMs_;
  std::optional<NotifyScope> held_;
};

}  // namespace zembrik
