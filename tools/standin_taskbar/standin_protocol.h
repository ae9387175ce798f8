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

// Misbehaviour on request: the faults a real shell shows, so that tests can provoke them.

// Post, wParam = milliseconds. The stand-in's only thread sleeps without pumping messages: a hung
// shell (sends to it time out, SMTO_ABORTIFHUNG sees it hung after about five seconds).
inline constexpr unsigned kMsgHang = kWmApp + 8;

// Post. The process ends at once through TerminateProcess on itself, destroying nothing: a shell
// crash, its windows vanish without a WM_DESTROY reaching anything.
inline constexpr unsigned kMsgDie = kWmApp + 9;

// Post. Broadcasts "TaskbarCreated" without re-creating anything.
inline constexpr unsigned kMsgBroadcastTaskbarCreated = kWmApp + 10;

// Post, wParam 1 arms, 0 disarms. Once armed, as soon as some clock window's procedure is no
// longer the stand-in's own while the main clock's still is (the hook library attaches the
// secondary clocks first, the main clock last), the stand-in destroys and re-creates its whole
// tree in the same process and broadcasts "TaskbarCreated", once (it disarms itself): a shell
// that re-creates its windows in the middle of an attach sequence. Checked after each message
// the loop takes and first thing in the procedures of "Shell_TrayWnd", the notification area and
// the clocks, for every message: the re-creation then happens synchronously inside that message,
// also one that a subclass forwarded to the clock's own procedure. A control message sent to
// "Shell_TrayWnd" that finds it due is answered about the new tree; any other such message
// returns 0 (its window is gone).
inline constexpr unsigned kMsgRestartOnSubclass = kWmApp + 11;

// Send, wParam = taskbar index, lParam 1 installs / 0 removes a second, foreign subclass on that
// clock window, as another program would put one: it counts the messages it sees and forwards
// each to the procedure it replaced. Removal restores the replaced procedure only while the
// foreign one is still on top, as a well-behaved program does. Returns 1 on success, 0 for no
// such taskbar, a second install or a removal of nothing.
inline constexpr unsigned kMsgForeignSubclass = kWmApp + 12;

// Send, wParam = taskbar index. Returns how many messages the foreign procedure saw since it was
// last installed (a removal keeps the count); 0 when there was none.
inline constexpr unsigned kMsgForeignSubclassCalls = kWmApp + 13;

// Send, wParam = taskbar index. Returns the kind of procedure the clock window has now.
inline constexpr unsigned kMsgClockProcedureState = kWmApp + 14;
inline constexpr long kProcedureNative = 0;   // the stand-in's own
inline constexpr long kProcedureForeign = 1;  // the foreign subclass is on top
inline constexpr long kProcedureOther = 2;    // anything else: the hook library's
inline constexpr long kProcedureNoTaskbar = -1;

// Send, wParam = period in milliseconds, 0 stops. The stand-in lays itself out on a timer, as
// the real shell does while notification icons come and go: each period it adds or removes one
// fake notification icon (the pager's length changes) and lays out every taskbar, so that the
// clock is asked for its size and moved. Returns 1.
inline constexpr unsigned kMsgSelfLayout = kWmApp + 15;

// Send, wParam = kCountGdi, kCountUser or kCountHandles. Returns the stand-in's own count of GDI
// objects, USER objects or kernel handles (see standin_faults_win32.cpp for how Wine counts).
inline constexpr unsigned kMsgResourceCounts = kWmApp + 16;
inline constexpr unsigned kCountGdi = 0;
inline constexpr unsigned kCountUser = 1;
inline constexpr unsigned kCountHandles = 2;

// Send, wParam = taskbar index, lParam = a message number. Returns how many messages of that
// number the clock window's own procedure received since the counts were last reset (messages
// that a subclass on top keeps to itself are not seen); 0 when there is no such taskbar.
inline constexpr unsigned kMsgClockMessageCount = kWmApp + 17;
// Send. Sets every clock's counts to 0. Returns 1.
inline constexpr unsigned kMsgResetClockMessageCounts = kWmApp + 18;
// What the pointer made the shell do, counted for tests (standin_pointer_counts_win32.cpp). Far
// from the numbers above so that other additions do not collide.
// Send. Returns how many times the taskbar's own menu was shown.
inline constexpr unsigned kMsgTaskbarMenus = kWmApp + 48;
// Send. Returns where the taskbar's menu was last asked for: MAKELONG(x, y) in screen
// coordinates (signed 16-bit halves); 0 before the first.
inline constexpr unsigned kMsgLastTaskbarMenuPoint = kWmApp + 49;
// Send. Returns how many times the show-desktop button was clicked (a left button released).
inline constexpr unsigned kMsgShowDesktopClicks = kWmApp + 50;
// Post. Closes an open taskbar menu (EndMenu).
inline constexpr unsigned kMsgEndMenu = kWmApp + 51;
// Send. Returns the date and time panel's window, 0 when it is closed.
inline constexpr unsigned kMsgDateTimePanel = kWmApp + 52;

enum class Edge : int { Bottom = 0, Top = 1, Left = 2, Right = 3 };

// The shell's own protocol, as the stand-in implements it. A left click on a clock opens the
// date and time panel as well, and hovering over a clock shows its tip.
inline constexpr unsigned kMsgGetSize = 0x464;      // MSG_GET_SIZE: returns MAKELONG(cx, cy)
inline constexpr unsigned kMsgClickAction = 0x466;  // to the clock, lParam 0: native click action
inline constexpr unsigned kMsgNativeTip = 0x467;    // to the clock: wParam 1 show / 0 hide its tip
inline constexpr unsigned kCommandDateTime = 408;  // WM_COMMAND to "Shell_TrayWnd": date/time panel

// The show-desktop button answers kMsgGetSize with the size it wants, and the notification area
// gives it room only when that answer is not 0. A native clock asked by a tooltip for the text
// of its own window (TTN_GETDISPINFOW or A, idFrom the clock) fills in its long date.

// Windows of the stand-in that belong to no real shell; tests find them with FindWindow.
inline constexpr wchar_t kDateTimePanelClass[] = L"StandinDateTimePanel";
inline constexpr wchar_t kClockTipClass[] = L"StandinClockTip";

}  // namespace standin
