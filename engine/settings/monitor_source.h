#pragma once
// What the settings load needs to know about monitors and DPI, behind an interface so that the
// whole key lookup runs natively on a fake (the Win32 adapter is
// platform/win32/monitor_source_win32.h).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/settings/clock_config.h"

namespace zembrik {

struct MonitorRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// One monitor as its window sees it.
struct MonitorOfWindow {
  std::uint64_t handle = 0;   // opaque; handed back to monitorDpi
  MonitorRect rect;           // the whole monitor, not its work area
  std::u16string deviceName;  // the display device, "\\.\DISPLAY1"
};

class MonitorSource {
 public:
  virtual ~MonitorSource() = default;
  MonitorSource() = default;
  MonitorSource(const MonitorSource&) = delete;
  MonitorSource& operator=(const MonitorSource&) = delete;

  // The monitor that holds the window; none when the window is on no monitor or the monitor's
  // description cannot be read.
  virtual std::optional<MonitorOfWindow> monitorOf(WindowId window) = 0;
  // The DeviceID of the first monitor of a display device; none when it cannot be read.
  virtual std::optional<std::u16string> deviceIdOf(std::u16string_view deviceName) = 0;
  // The monitor's effective DPI (the larger of x and y); none when the system cannot tell.
  virtual std::optional<unsigned> monitorDpi(const MonitorOfWindow& monitor) = 0;
  // The DPI of a window (the taskbar's, for fonts): 96 when the system cannot tell.
  virtual int windowDpi(WindowId window) = 0;
};

}  // namespace zembrik
