#pragma once
// The clock-set model's view of the desktop over user32: the taskbars and their clocks, the
// monitor of a clock, the host window, and MSG_RELOAD posted to them.
#include <windows.h>

#include "engine/options/clock_set_windows.h"
#include "platform/win32/monitor_source_win32.h"

namespace zembrik {

// Window handles carry 32 significant bits; a 64-bit process sign-extends them.
inline WindowRef windowRefOf(HWND window) noexcept {
  return HandleToULong(window);
}
inline HWND windowOfRef(WindowRef ref) noexcept {
  return static_cast<HWND>(LongToHandle(static_cast<LONG>(ref)));
}

class Win32ClockSetWindows final : public ClockSetWindows {
 public:
  std::optional<PrimaryTaskbarWindows> primaryTaskbar() override;
  std::vector<SecondaryTaskbarWindows> secondaryTaskbars() override;
  std::optional<MonitorFacts> monitorOf(WindowRef window) override;
  WindowRef hostWindow() override;
  void postReload(WindowRef window) override;

 private:
  Win32MonitorSource monitors_;
};

}  // namespace zembrik
