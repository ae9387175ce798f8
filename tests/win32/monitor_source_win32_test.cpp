// The monitor source over the real user32 and Shcore (Wine: one monitor, DeviceID
// "MONITOR\Default_Monitor\{...}\0000", 96 dpi unless the prefix says otherwise).
#include "platform/win32/monitor_source_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "engine/settings/monitor_keys.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/window_id_win32.h"

namespace zembrik {
namespace {

TEST(MonitorSourceWin32, DescribesTheMonitorOfAWindow) {
  UniqueWindow window(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 100, 100, 200, 50, nullptr,
                                      nullptr, GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(window);
  Win32MonitorSource source;
  const auto monitor = source.monitorOf(windowIdOf(window.get()));
  ASSERT_TRUE(monitor.has_value());
  EXPECT_EQ(monitor->rect.left, 0);
  EXPECT_EQ(monitor->rect.top, 0);
  EXPECT_EQ(monitor->rect.right, GetSystemMetrics(SM_CXSCREEN)) << "the monitor, not the work area";
  EXPECT_EQ(monitor->rect.bottom, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_FALSE(monitor->deviceName.empty());

  const auto deviceId = source.deviceIdOf(monitor->deviceName);
  ASSERT_TRUE(deviceId.has_value());
  EXPECT_FALSE(monitorIdFromDeviceId(*deviceId).empty());

  const auto dpi = source.monitorDpi(*monitor);
  ASSERT_TRUE(dpi.has_value()) << "Shcore's GetDpiForMonitor exists here";
  EXPECT_GE(*dpi, 96u);
  EXPECT_EQ(source.windowDpi(windowIdOf(window.get())), static_cast<int>(*dpi));
}

TEST(MonitorSourceWin32, FailuresGiveNothing) {
  Win32MonitorSource source;
  EXPECT_FALSE(source.monitorOf(WindowId{0, sizeof(HWND) * 8}).has_value()) << "no window";
  EXPECT_FALSE(source.deviceIdOf(u"\\\\.\\NO_SUCH_DISPLAY").has_value());
  EXPECT_EQ(source.windowDpi(WindowId{0, sizeof(HWND) * 8}), 96) << "no window: the default";
}

}  // namespace
}  // namespace zembrik
