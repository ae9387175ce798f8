#pragma once
// Secondary taskbars that come, move and go while the stand-in runs, as monitors are plugged in,
// rearranged and unplugged. Plain constants, no windows.h (see standin_protocol.h).
//
// Command line (repeatable):
//   --secondary-on=N[,edge]   a secondary taskbar on edge `edge` (bottom when left out) of
//                             monitor N with the default thickness of its orientation
// Monitor 0 is the primary; the others follow in the order EnumDisplayMonitors gives them.
//
// Every change below ends with WM_SETTINGCHANGE (wParam SPI_SETWORKAREA, lParam 0) sent to every
// clock window of the stand-in, since the work area changes with the monitors. Taskbar indexes are
// those of kMsgGetClockWindow: 0 the main taskbar, then the secondaries in the order they were
// made; removing one moves the later ones down by one.

namespace standin {

// Send, wParam = monitor number, lParam = Edge. Creates and shows a secondary taskbar there.
// Returns its taskbar index, 0 when there is no such monitor or the window could not be made.
inline constexpr unsigned kMsgAddSecondary = 0x8000 + 0x40;

// Send, wParam = taskbar index (1 and up), lParam = MAKELONG(monitor number, Edge). Moves that
// secondary taskbar to the edge of that monitor. Returns 1, or 0 for a bad index or monitor.
inline constexpr unsigned kMsgMoveSecondary = 0x8000 + 0x41;

// Send, wParam = taskbar index (1 and up). Destroys that secondary taskbar. Returns 1 or 0.
inline constexpr unsigned kMsgRemoveSecondary = 0x8000 + 0x42;

// Send. Returns how many WM_DESTROY messages the stand-in's own clock procedure has seen in this
// process: whether a subclass let the native clock clean up after itself.
inline constexpr unsigned kMsgNativeClockDestroys = 0x8000 + 0x43;

}  // namespace standin
