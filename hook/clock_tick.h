#pragma once
// The clock's tick, once a second on its own timer, and the keyboard hook's nudge: what decides
// that a face repaints. The repaint rules are an upper bound: a tick repaints when the minute
// changed, the time changed, or when the face would show something else (a text, a lock key, a
// blink phase, a ringing alarm, a meter's bar or graph), never just because the face could.
#include "hook/clock_instance.h"

namespace zembrik {

// The tick of the clock's timer; with `timeChanged` (WM_TIMECHANGE) the face always repaints.
void runTick(ClockInstance& clock, bool timeChanged);

// A lock key was reported to change (the keyboard hook has noted it in the kept states): a
// clock that shows them repaints at once.
void takeLockKeyNudge(ClockInstance& clock);

}  // namespace zembrik
