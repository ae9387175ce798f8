#pragma once
// What choosing a clock set asks of the windowing system, and how the editor tells the running
// programs to reload. Implemented over user32 (options/clock_set_windows_win32) and by fakes in
// tests.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zembrik {

// A window handle's low 32 bits. Window handles are significant in 32 bits in every Windows
// process (that is how 32- and 64-bit programs share them), and the `this` key stores them so.
using WindowRef = std::uint32_t;
inline constexpr WindowRef kNoWindow = 0;

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// "Shell_TrayWnd" with its clock ("TrayClockWClass" in "TrayNotifyWnd") and the band area
// ("ReBarWindow32"), which is missing on some shells.
struct PrimaryTaskbarWindows {
  WindowRef clock = kNoWindow;
  ScreenRect clockRect;
  std::optional<ScreenRect> rebarRect;
};

// One "Shell_SecondaryTrayWnd" and its "ClockButton" (kNoWindow when it has none).
struct SecondaryTaskbarWindows {
  WindowRef clockButton = kNoWindow;
  ScreenRect taskbarRect;
};

struct MonitorFacts {
  std::u16string deviceId;  // of the monitor's first display device; may be empty
  int width = 0;            // of the whole monitor rectangle
  int height = 0;
  unsigned dpi = 0;  // effective dpi, 0 when the system cannot tell
};

class ClockSetWindows {
 public:
  virtual ~ClockSetWindows() = default;

  // Nothing when the taskbar, its notification area or its clock is missing.
  virtual std::optional<PrimaryTaskbarWindows> primaryTaskbar() = 0;
  virtual std::vector<SecondaryTaskbarWindows> secondaryTaskbars() = 0;
  // The monitor showing `window`; nothing when it is on none.
  virtual std::optional<MonitorFacts> monitorOf(WindowRef window) = 0;
  // The host program's window (class "ZembrikClass", title "Zembrik"), kNoWindow when absent.
  virtual WindowRef hostWindow() = 0;
  // Posts MSG_RELOAD (wParam 0, lParam 0).
  virtual void postReload(WindowRef window) = 0;
};

}  // namespace zembrik
