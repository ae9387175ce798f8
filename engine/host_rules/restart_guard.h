#pragma once
// Limits how often the host re-attaches when the taskbar keeps being re-created: three
// re-creations by new shell processes, each within 15 s of the previous one, make it give up.
#include <cstdint>

namespace zembrik {

class RestartGuard {
 public:
  static constexpr std::uint32_t kWindowMs = 15000;
  static constexpr int kGiveUpCount = 3;

  // Called at every re-attachment, forced or not: stores `nowTick` and returns the time since
  // the previous re-attachment. Tick counts wrap after 49.7 days; the difference is taken
  // modulo 2^32, so a wrap in between does not look like a long pause.
  std::uint32_t stamp(std::uint32_t nowTick);

  // Counts a re-creation of the taskbar seen `elapsedMs` after the previous re-attachment.
  // The same shell process leaves the count alone; a new one counts on when it came quickly
  // and starts again at 1 otherwise. True when the host should give up.
  bool noteRecreation(bool shellProcessChanged, std::uint32_t elapsedMs);

  int count() const { return count_; }

 private:
  int count_ = 0;
  std::uint32_t lastTick_ = 0;
};

}  // namespace zembrik
