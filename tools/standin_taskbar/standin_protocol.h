#pragma once
// How test drivers talk to the stand-in taskbar. Plain constants, no windows.h, so that portable
// code and Windows test programs can both include it.
//
// clang-format off
// The stand-in builds the window tree the hook library expects of the shell:
//
//   "Shell_TrayWnd" (top-level, topmost, empty title)
//     "ReBarWindow32"                  the task band, takes what the notification area leaves
//     "TrayNotifyWnd"                  WS_EX_STATICEDGE in the classic look
//       "SysPager"                     fake notification icons; PGN_CALCSIZE in generation-7 mode
//       "TrayClockWClass"              the native clock
//       "TrayShowDesktopButtonWClass"  optional (--show-desktop, the default)
//   "Shell_SecondaryTrayWnd" (top-level, topmost, empty title), one per --secondary rectangle
//     "WorkerW"                        the task band
//     "ClockButton"                    the secondary clock, after the band in z-order
// clang-format on
//
// All windows belong to the stand-in's single thread. Each (re)creation of the tree ends with a
// broadcast of the registered message "TaskbarCreated".
//
// Wine's own explorer.exe owns another top-level "Shell_TrayWnd": hidden, not topmost, also with
// an empty title. FindWindow walks the top-level windows in z-order, and the stand-in's taskbars
// are topmost, so FindWindow("Shell_TrayWnd", "") returns the stand-in even when Wine's window
// was created later (standin_smoke_test checks it). kMsgIdentify tells the two apart.
//
// By hand, from the repository root with the win64 tree built:
//   scripts/wine-run --prefix build/win64/wineprefix
//       build/win64/tools/standin_taskbar/standin_taskbar.exe --edge=left
//
// Command line (all optional):
//   --edge=bottom|top|left|right    edge of the primary monitor for "Shell_TrayWnd" (bottom)
//   --thickness=N                   taskbar thickness in pixels (40 horizontal, 62 vertical)
//   --secondary=L,T,R,B             a secondary taskbar at this screen rectangle (repeatable)
//   --show-desktop / --no-show-desktop   the show-desktop button (on)
//   --classic                       classic look: system colours, sunken notification area
//   --generation7                   the notification area answers MSG_GET_SIZE itself and sizes
//                                   its pager through PGN_CALCSIZE (Windows 10 and later); pair
//                                   it with a Wine prefix whose Windows version is win10
//   --background=flat|gradient|pattern   the bar's background (flat)
//   --translucent                   the main taskbar is partly transparent (a layered window at
//                                   75 % opacity), as taskbars with transparency are
//   --timeout=S                     quit after S seconds whatever happens (a safety net for tests)
// A bad option prints a message to stderr and exits with code 2.
//
// Run-time control: send or post these to the stand-in's "Shell_TrayWnd".

namespace standin {

inline constexpr unsigned kWmApp = 0x8000;  // WM_APP

// Returns kIdentity: tells the stand-in apart from Wine's own hidden "Shell_TrayWnd".
inline constexpr unsigned kMsgIdentify = kWmApp + 0;
inline constexpr long kIdentity = 0x53544E44;  // 'STND'

// Post. Destroys every window and creates the tree again in the same process, then broadcasts
// "TaskbarCreated" (window handles change; a loaded hook library stays loaded).
inline constexpr unsigned kMsgRestart = kWmApp + 1;

// Post. Destroys every window, starts a new stand-in process with the same command line and
// exits; the new process creates the tree and broadcasts "TaskbarCreated". This is what a real
// shell restart looks like to the host (a new shell process, the hook library unloaded).
inline constexpr unsigned kMsgRestartProcess = kWmApp + 2;

// Post. Destroys every window and exits with code 0.
inline constexpr unsigned kMsgQuit = kWmApp + 3;

// Send. wParam = taskbar index (0 main, n the n-th --secondary), lParam = kRectOrigin or
// kRectSize. Returns the clock window's rectangle in screen coordinates, MAKELONG(left, top) or
// MAKELONG(width, height) (signed 16-bit halves); 0 when there is no such taskbar.
inline constexpr unsigned kMsgGetClockRect = kWmApp + 4;
inline constexpr long kRectOrigin = 0;
inline constexpr long kRectSize = 1;

// Send. Lays out every taskbar now, as a posted WM_SIZE would (the main clock is asked for its
// size again). Returns 1.
inline constexpr unsigned kMsgRelayout = kWmApp + 5;

// Send. Moves the main taskbar: wParam = Edge value below, lParam = thickness (0 for the default
// of the new orientation). Returns 1, or 0 for a bad edge.
inline constexpr unsigned kMsgMoveTaskbar = kWmApp + 6;

// Send. wParam = taskbar index. Returns the clock window's handle (as a 32-bit value, which is
// all a window handle carries), 0 when there is no such taskbar.
inline constexpr unsigned kMsgGetClockWindow = kWmApp + 7;

enum class Edge : int { Bottom = 0, Top = 1, Left = 2, Right = 3 };

// The shell's own protocol, as the stand-in implements it. A left click on a clock opens the
// date and time panel as well, and hovering over a clock shows its tip.
inline constexpr unsigned kMsgGetSize = 0x464;      // MSG_GET_SIZE: returns MAKELONG(cx, cy)
inline constexpr unsigned kMsgClickAction = 0x466;  // to the clock, lParam 0: native click action
inline constexpr unsigned kMsgNativeTip = 0x467;    // to the clock: wParam 1 show / 0 hide its tip
inline constexpr unsigned kCommandDateTime = 408;  // WM_COMMAND to "Shell_TrayWnd": date/time panel

// Windows of the stand-in that belong to no real shell; tests find them with FindWindow.
inline constexpr wchar_t kDateTimePanelClass[] = L"StandinDateTimePanel";
inline constexpr wchar_t kClockTipClass[] = L"StandinClockTip";

}  // namespace standin
