#pragma once
// The system readings the meters sample once a tick: kernel32's GlobalMemoryStatusEx,
// GetSystemTimes and GetSystemPowerStatus on Windows, scripted fakes in tests.
#include <cstdint>
#include <optional>

namespace zembrik {

// GetSystemTimes, in 100-nanosecond units. Kernel time includes idle time.
struct CpuTimes {
  std::uint64_t idle = 0;
  std::uint64_t kernel = 0;
  std::uint64_t user = 0;
};

// The SYSTEM_POWER_STATUS fields the battery meter reads.
struct PowerStatus {
  std::uint8_t acLineStatus = 255;        // 0 offline, 1 online, 255 unknown
  std::uint8_t batteryFlag = 128;         // 8 charging, 128 no system battery, 255 unknown
  std::uint8_t batteryLifePercent = 255;  // 0..100, 255 unknown
};

inline constexpr std::uint8_t kBatteryCharging = 8;
inline constexpr std::uint8_t kNoSystemBattery = 0x80;
inline constexpr std::uint8_t kOnMainsPower = 1;

class SystemLoad {
 public:
  virtual ~SystemLoad() = default;

  // The physical memory load (dwMemoryLoad); nothing when the call fails.
  virtual std::optional<std::uint32_t> memoryLoad() = 0;
  virtual std::optional<CpuTimes> systemTimes() = 0;
  virtual std::optional<PowerStatus> powerStatus() = 0;
};

}  // namespace zembrik
