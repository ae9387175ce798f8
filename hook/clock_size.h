#pragma once
// The clock's side of the size negotiation with the taskbar.
#include <windows.h>

#include "hook/clock_instance.h"

namespace zembrik {

// Vertical when the rebar ends above the clock; without a rebar, when the taskbar is taller than
// it is wide.
bool isVerticalTaskbar(const ClockInstance& clock);

// The painter's wanted size, at least 1 x 1; stored as the measured size.
PackedSize measureClock(ClockInstance& clock);

// The answer to MSG_GET_SIZE; `forced` reloads and re-lays out even when the orientation held.
PackedSize answerSizeQuery(ClockInstance& clock, bool forced);

// Lays the clock out: the main taskbar by asking the shell to re-lay itself out, a secondary
// taskbar's clock by hand. `restore` gives a secondary clock its size at attach back.
void resizeClock(ClockInstance& clock, bool restore);

LRESULT onWindowPosChanging(ClockInstance& clock, HWND window, WPARAM wParam, LPARAM lParam);
LRESULT onWindowPosChanged(ClockInstance& clock, HWND window, WPARAM wParam, LPARAM lParam);

// The notification area's procedure on generation 7, where it answers the size query itself.
LRESULT CALLBACK notifyAreaProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace zembrik
