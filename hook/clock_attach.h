#pragma once
// Taking over one taskbar clock window inside the shell, and giving it back.
#include "hook_state.h"

namespace zembrik {

// Attaches (or, for a clock already attached, re-indexes and reloads) the clock of `record`.
void attachClock(const TaskbarRecord& record, int clockIndex);

// Restores the native clock and forgets the instance (on MSG_DETACH or WM_DESTROY).
void detachClock(HWND clockWindow);

// The Windows generation from GetVersionExA.
int currentOsGeneration(int previous);

// GetDpiForWindow of `window`, 96 when unavailable or 0.
int taskbarDpi(HWND window);

}  // namespace zembrik
