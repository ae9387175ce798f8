#pragma once
// The host's once-a-minute work on its one-second timer: due on the first tick, then on every
// sixtieth.
#include <cstdint>

namespace zembrik {

class MinuteCountdown {
 public:
  static constexpr std::int32_t kTicksPerCheck = 60;

  // One tick; true when the once-a-minute work is due now.
  bool tick() {
    const bool due = remaining_ <= 1;
    if (due) {
      remaining_ = kTicksPerCheck;
    } else {
      --remaining_;
    }
    return due;
  }

 private:
  std::int32_t remaining_ = 0;
};

}  // namespace zembrik
