#pragma once
// The taskbar's show-desktop button while the clock takes its room: subclassed so that it keeps
// no size of its own, given back at detach.
#include <windows.h>

namespace zembrik {

struct ClockInstance;

// Main clock's attach, when the clock hides the button: finds it (missing: the clock stops
// hiding it), records its size and subclasses it once.
void takeOverShowDesktop(ClockInstance& clock);

// Detach: the button's own procedure goes back, if ours is still the one in place.
void releaseShowDesktop(ClockInstance& clock);

LRESULT CALLBACK showDesktopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace zembrik
