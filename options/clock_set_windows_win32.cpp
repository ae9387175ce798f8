#include "options/clock_set_windows_win32.h"

#include "engine/protocol/window_messages.h"
#include "platform/win32/window_id_win32.h"

namespace zembrik {
namespace {

ScreenRect screenRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

std::optional<PrimaryTaskbarWindows> Win32ClockSetWindows::primaryTaskbar() {
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", L"");
  HWND notifyArea = taskbar ? FindWindowExW(taskbar, nullptr, L"TrayNotifyWnd", L"") : nullptr;
  HWND clock =
      notifyArea ? FindWindowExW(notifyArea, nullptr, L"TrayClockWClass", nullptr) : nullptr;
  if (!clock)
    return std::nullopt;
  PrimaryTaskbarWindows found;
  found.clock = windowRefOf(clock);
  found.clockRect = screenRectOf(clock);
  if (HWND bands = FindWindowExW(taskbar, nullptr, L"ReBarWindow32", nullptr))
    found.rebarRect = screenRectOf(bands);
  return found;
}

std::vector<SecondaryTaskbarWindows> Win32ClockSetWindows::secondaryTaskbars() {
  std::vector<SecondaryTaskbarWindows> taskbars;
  HWND taskbar = nullptr;
  while ((taskbar = FindWindowExW(nullptr, taskbar, L"Shell_SecondaryTrayWnd", nullptr))) {
    HWND clock = FindWindowExW(taskbar, nullptr, L"ClockButton", nullptr);
    taskbars.push_back({windowRefOf(clock), screenRectOf(taskbar)});
  }
  return taskbars;
}

std::optional<MonitorFacts> Win32ClockSetWindows::monitorOf(WindowRef window) {
  std::optional<MonitorOfWindow> monitor = monitors_.monitorOf(windowIdOf(windowOfRef(window)));
  if (!monitor)
    return std::nullopt;
  MonitorFacts facts;
  facts.deviceId = monitors_.deviceIdOf(monitor->deviceName).value_or(std::u16string());
  facts.width = monitor->rect.right - monitor->rect.left;
  facts.height = monitor->rect.bottom - monitor->rect.top;
  facts.dpi = monitors_.monitorDpi(*monitor).value_or(0);
  return facts;
}

WindowRef Win32ClockSetWindows::hostWindow() {
  return windowRefOf(FindWindowA(kHostWindowClass, kHostWindowTitle));
}

void Win32ClockSetWindows::postReload(WindowRef window) {
  PostMessageW(windowOfRef(window), MSG_RELOAD, 0, 0);
}

}  // namespace zembrik
