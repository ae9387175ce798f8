#include "hook/clock_native_timers.h"

#include <algorithm>

namespace zembrik {

namespace {

constexpr UINT kResumedTimerMs = 1000;

}  // namespace

void pauseNativeTimer(ClockInstance& clock, UINT_PTR id) {
  auto& paused = clock.pausedNativeTimers;
  const bool known = std::find(paused.begin(), paused.end(), id) != paused.end();
  auto freeSlot = std::find(paused.begin(), paused.end(), UINT_PTR{0});
  // Without room to remember it, the timer keeps running: it could not be given back.
  if (!known && freeSlot == paused.end())
    return;
  if (!KillTimer(clock.clock, id))
    return;
  if (!known)
    *freeSlot = id;
}

void resumeNativeTimers(ClockInstance& clock) {
  for (UINT_PTR& id : clock.pausedNativeTimers) {
    if (id != 0)
      SetTimer(clock.clock, id, kResumedTimerMs, nullptr);
    id = 0;
  }
}

}  // namespace zembrik
