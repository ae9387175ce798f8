#pragma once
// Everything the host keeps for the life of its process. One instance, owned by the start-up
// code and reached by the window procedure through GWLP_USERDATA.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "engine/host_rules/button_actions.h"
#include "engine/host_rules/minute_countdown.h"
#include "engine/host_rules/restart_guard.h"
#include "engine/host_rules/start_failure_reports.h"
#include "engine/host_rules/taskbar_transparency.h"
#include "engine/registry/registry_key.h"
#include "host/alarm_scheduler_win32.h"
#include "host/calendar_popup_win32.h"
#include "host/optional_user32_win32.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/window_bindings_win32.h"

namespace zembrik {

inline constexpr std::uint32_t kUnreadTimeBias = 0x80000000;

struct HostState {
  HINSTANCE instance = nullptr;
  HWND hostWindow = nullptr;
  // The host window's timers (ids in host_lifecycle_win32.h). A timer dies with the window at
  // the latest; killing it again afterwards does nothing.
  UniqueTimer reattachTimer;  // one shot
  UniqueTimer recheckTimer;   // one shot
  UniqueTimer secondTimer;

  // The shell's windows, from the last window search.
  HWND taskbar = nullptr;     // "Shell_TrayWnd"
  HWND rebar = nullptr;       // "ReBarWindow32" in the taskbar
  HWND notifyArea = nullptr;  // "TrayNotifyWnd" in the taskbar
  HWND trayClock = nullptr;   // "TrayClockWClass" in the notify area; null after a detach
  HWND startMenu = nullptr;   // "DV2ControlHost"
  DWORD shellProcessId = 0;

  OptionalUser32 user32;
  std::wstring modulePath;
  std::wstring moduleDir;
  UINT taskbarCreatedMessage = 0;
  bool legacyMode = false;  // major version below 6; only the 32-bit build sets it

  HostSettings settings;
  TaskbarTransparency transparency;
  RestartGuard restartGuard;
  MinuteCountdown minuteCountdown;

  // Every clock window the library reported attached (MSG_CLOCK_ATTACHED) since the last
  // detach; a shown clock among them is attached afresh.
  std::set<HWND> attachedClocks;
  StartFailureReports startFailures;

  // The clock that was clicked last and its taskbar (MSG_CLOCK_CLICKED), for the calendar.
  HWND clickedClock = nullptr;
  HWND clickedTaskbar = nullptr;

  std::unique_ptr<RegistryKey> timeZoneKey;  // HKLM ...\TimeZoneInformation, kept open
  std::uint32_t activeTimeBias = kUnreadTimeBias;

  UniqueMenu popupMenu;  // made on first use
  CalendarPopup calendar;
  AlarmScheduler alarms;
};

}  // namespace zembrik
