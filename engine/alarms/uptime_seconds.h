#pragma once
// Seconds since the alarms were loaded, from the system's 32-bit millisecond tick count, which
// wraps to 0 after 49.7 days. Every time the count is seen to go down one wrap is counted, so the
// seconds keep rising as long as the count is read more often than once per wrap.
#include <cstdint>

namespace zembrik {

class UptimeSeconds {
 public:
  // Starts counting from `tick`, or from `sinceMs` milliseconds before it, so that the seconds
  // can turn over with the seconds of the local time.
  void reset(std::uint32_t tick, std::uint32_t sinceMs = 0) noexcept {
    baseTick_ = static_cast<std::int64_t>(tick) - sinceMs;
    lastTick_ = tick;
    wraps_ = 0;
  }

  std::int32_t at(std::uint32_t tick) noexcept {
    if (tick < lastTick_)
      ++wraps_;
    lastTick_ = tick;
    const std::int64_t elapsedMs = wraps_ * (std::int64_t{1} << 32) + tick - baseTick_;
    return static_cast<std::int32_t>(elapsedMs / 1000);
  }

 private:
  std::int64_t baseTick_ = 0;
  std::uint32_t lastTick_ = 0;
  std::int64_t wraps_ = 0;
};

}  // namespace zembrik
