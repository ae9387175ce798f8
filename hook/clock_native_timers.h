#pragma once
// The native clock's own timers while the clock is attached. They exist to repaint the native
// face, which no longer shows; left running, each would wake the shell's thread every time it
// fires only for the message to be dropped. The first of their messages kills the timer; when
// the native procedure is back, each killed timer is set again, so the native clock ticks on.
#include <windows.h>

#include "hook/clock_instance.h"

namespace zembrik {

// A WM_TIMER with `id` (not the clock's own tick, not the keyboard hook's nudge) reached the
// clock. A timer with a timer procedure never arrives here (its procedure is called instead);
// a posted WM_TIMER without a timer behind it kills nothing and is not remembered.
void pauseNativeTimer(ClockInstance& clock, UINT_PTR id);

// Sets every paused timer again, one second each: the native clock's procedure re-arms its
// timers as it likes when they fire. Call after the native procedure is back in place.
void resumeNativeTimers(ClockInstance& clock);

}  // namespace zembrik
