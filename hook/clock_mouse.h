#pragma once
// The pointer and the mouse buttons on a clock: hover look and tooltip, the built-in actions
// (system calendar, taskbar menu) and everything forwarded to the host.
#include <windows.h>

namespace zembrik {

struct ClockInstance;

LRESULT onMouseMove(ClockInstance& clock);
LRESULT onMouseHover(ClockInstance& clock, HWND window);
LRESULT onMouseLeave(ClockInstance& clock, HWND window);

// WM_L/R/M/XBUTTONDOWN and UP.
LRESULT onMouseButton(ClockInstance& clock, HWND window, UINT message, WPARAM wParam,
                      LPARAM lParam);

// Posts a mouse message to the host window, or to the add-on under the click when `addonTest`
// finds one; `addonsOnly` posts nothing unless an add-on was found. With more than one clock
// attached the host is first told which clock was clicked (MSG_CLOCK_CLICKED). False when
// nothing was posted (no add-on hit with `addonsOnly`, or no host window).
bool forwardToHost(ClockInstance& clock, UINT message, WPARAM wParam, LPARAM lParam, bool addonTest,
                   bool addonsOnly);

}  // namespace zembrik
