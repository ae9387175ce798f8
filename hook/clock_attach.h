#pragma once
// Taking over one taskbar clock window inside the shell, and giving it back.
#include "hook/hook_state.h"

namespace zembrik {

// Attaches (or, for a clock already attached, re-indexes and reloads) the clock of `record`.
// False when Windows refused to hand the window over; the native clock then stays untouched.
// An exception leaves nothing half attached either.
bool attachClock(const TaskbarRecord& record, int clockIndex);

// Restores the native clock and forgets the instance (on MSG_DETACH or WM_DESTROY), whatever
// fails on the way.
void detachClock(HWND clockWindow);

// The instance attached to `clockWindow`, or null. Code that let a message run through the shell's
// own procedures (a SetWindowPos, a native call) looks its instance up again with this: the shell
// may have destroyed the window meanwhile, and the instance with it.
ClockInstance* findAttachedClock(HWND clockWindow);

// The Windows generation from GetVersionExA.
int currentOsGeneration(int previous);

// GetDpiForWindow of `window`, 96 when unavailable or 0.
int taskbarDpi(HWND window);

}  // namespace zembrik
