#pragma once
// The window messages the three programs, the shell's taskbar and add-ons exchange. The numbers
// are fixed: other programs and stored habits rely on them.

namespace zembrik {

inline constexpr unsigned MSG_START_FAILED = 0x401;  // hook library -> host, lParam a StartFailure
inline constexpr unsigned MSG_CLOCK_ATTACHED = 0x402;    // hook library (shell) -> host
inline constexpr unsigned MSG_DETACH = 0x403;            // endHook -> clock window
inline constexpr unsigned MSG_SET_FOREGROUND = 0x404;    // host -> clock window
inline constexpr unsigned MSG_RELOAD = 0x405;            // options -> host and clocks
inline constexpr unsigned MSG_RELOAD_ALARMS = 0x406;     // options -> host (and main clock)
inline constexpr unsigned MSG_CLOCK_CLICKED = 0x45A;     // hook library -> host
inline constexpr unsigned MSG_ALARM_ON = 0x45B;          // host -> main clock, wParam alarm number
inline constexpr unsigned MSG_ALARM_OFF = 0x45C;         // host -> main clock, wParam alarm number
inline constexpr unsigned MSG_REARM = 0x463;             // any -> clock window: rescan taskbars
inline constexpr unsigned MSG_GET_SIZE = 0x464;          // taskbar -> clock window: size query
inline constexpr unsigned MSG_REPAINT = 0x465;           // any -> clock window
inline constexpr unsigned MSG_CLOCK_SHOWN = 0x466;       // hook library -> host
inline constexpr unsigned MSG_NATIVE_TIP = 0x467;        // to the native clock procedure
inline constexpr unsigned MSG_NATIVE_CLICK = 0x466;      // to the native clock procedure, lParam 0
inline constexpr unsigned MSG_ADDON_REGISTER = 0x46F;    // add-on -> clock window
inline constexpr unsigned MSG_ADDON_UNREGISTER = 0x470;  // add-on -> clock window

// lParam of MSG_CLOCK_SHOWN, so the host can tell it from the native clock's own 0x466.
inline constexpr long kClockShownMark = 0x4F4252;

// The reasons of MSG_START_FAILED (its lParam); None is never sent.
enum class StartFailure : int {
  None = 0,
  NoTaskbar = 1,           // no "Shell_TrayWnd"
  NoNotificationArea = 2,  // no "TrayNotifyWnd" in it
  NoClock = 3,             // no "TrayClockWClass" in that
  NoThread = 4,            // GetWindowThreadProcessId of the clock returned 0
  NoHook = 5,              // SetWindowsHookExA failed
};

// The tick timer of every clock window.
inline constexpr unsigned TICK_TIMER_ID = 7777;

// The host window's identity: the programs find it with FindWindowA, so the names are narrow
// (ASCII) text.
inline constexpr char kHostWindowClass[] = "ZembrikClass";
inline constexpr char kHostWindowTitle[] = "Zembrik";

}  // namespace zembrik
