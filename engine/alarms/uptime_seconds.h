#pragma once
// Seconds since the alarms were loaded, from the system's 32-bit millisecond tick count, which
// wraps to 0 after 49.7 days. Every time the count is seen to go down one wrap is counted, so the
// seconds keep rising as long as the count is read more often than once per wrap.
#include <cstdint>

namespace zembrik {

class UptimeSeconds {
 public:
  // Starts counting from `tick`.
  void reset(std::uint32_t tick) noexcept {
    baseTick_ = tick;
    lastTick_ = tick;
    wraps_ = 0;
  }

  std::int32_t at(std::uint32_t tick) noexcept {
    if (tick < lastTick_)
      ++wraps_;
    lastTick_ = tick;
    const std::uint64_t elapsedMs = (wraps_ << 32) + tick - baseTick_;
    return static_cast<std::int32_t>(elapsedMs / 1000);
  }

 private:
  std::uint32_t baseTick_ = 0;
  std::uint32_t lastTick_ = 0;
  std::uint64_t wraps_ = 0;
};

}  // namespace zembrik
