#include "platform/win32/system_load_win32.h"

#include <windows.h>

namespace zembrik {

namespace {

std::uint64_t ticks(const FILETIME& time) noexcept {
  return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

}  // namespace

std::optional<std::uint32_t> SystemLoadWin32::memoryLoad() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof(status);  // 64 bytes
  if (!GlobalMemoryStatusEx(&status))
    return std::nullopt;
  return status.dwMemoryLoad;
}

std::optional<CpuTimes> SystemLoadWin32::systemTimes() {
  FILETIME idle{}, kernel{}, user{};
  if (!GetSystemTimes(&idle, &kernel, &user))
    return std::nullopt;
  return CpuTimes{ticks(idle), ticks(kernel), ticks(user)};
}

std::optional<PowerStatus> SystemLoadWin32::powerStatus() {
  SYSTEM_POWER_STATUS status{};
  if (!GetSystemPowerStatus(&status))
    return std::nullopt;
  return PowerStatus{status.ACLineStatus, status.BatteryFlag, status.BatteryLifePercent};
}

}  // namespace zembrik
