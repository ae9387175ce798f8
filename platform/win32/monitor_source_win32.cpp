#include "platform/win32/monitor_source_win32.h"

#include <windows.h>

#include <cwchar>

#include "platform/win32/dpi_functions_win32.h"
#include "platform/win32/wide_text_win32.h"
#include "platform/win32/window_id_win32.h"

namespace zembrik {

static_assert(sizeof(MONITORINFOEXW) == 104, "the record GetMonitorInfoW fills with a device name");
static_assert(sizeof(DISPLAY_DEVICEW) == 840);

namespace {

// A fixed WCHAR array that Windows may fill to the last element without a terminating null.
template <std::size_t N>
std::u16string textOf(const WCHAR (&chars)[N]) {
  const std::size_t length = wcsnlen(chars, N);
  return portable(std::wstring_view(chars, length));
}

HMONITOR monitorFromId(std::uint64_t handle) {
  return reinterpret_cast<HMONITOR>(static_cast<std::uintptr_t>(handle));
}

}  // namespace

std::optional<MonitorOfWindow> Win32MonitorSource::monitorOf(WindowId window) {
  HMONITOR monitor = MonitorFromWindow(windowFromId(window.value), MONITOR_DEFAULTTONULL);
  if (!monitor)
    return std::nullopt;
  MONITORINFOEXW info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info))
    return std::nullopt;
  MonitorOfWindow result;
  result.handle = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(monitor));
  result.rect = {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right,
                 info.rcMonitor.bottom};
  result.deviceName = textOf(info.szDevice);
  return result;
}

std::optional<std::u16string> Win32MonitorSource::deviceIdOf(std::u16string_view deviceName) {
  std::wstring name(deviceName.begin(), deviceName.end());
  DISPLAY_DEVICEW device{};
  device.cb = sizeof(device);
  if (!EnumDisplayDevicesW(name.c_str(), 0, &device, 0))
    return std::nullopt;
  return textOf(device.DeviceID);
}

std::optional<unsigned> Win32MonitorSource::monitorDpi(const MonitorOfWindow& monitor) {
  return effectiveDpiForMonitor(monitorFromId(monitor.handle));
}

int Win32MonitorSource::windowDpi(WindowId window) {
  return dpiForWindow(windowFromId(window.value));
}

}  // namespace zembrik
