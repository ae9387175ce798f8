#include "hook/clock_tick.h"

#include "engine/meters/meter_look.h"
#include "engine/meters/meter_sampling.h"
#include "engine/protocol/window_messages.h"
#include "hook/clock_paint.h"
#include "hook/clock_services.h"
#include "hook/clock_window_proc.h"
#include "hook/hook_state.h"
#include "platform/win32/calendar_time_win32.h"

namespace zembrik {

namespace {

// The tick is kept in the first half of each second: a timer of 1000 ms drifts, and a tick that
// drifted across the turn of a second would show one second twice and skip the next. Once the
// tick falls later than kLatestTickMs into a second, one shorter wait brings it back to
// kTickAfterSecondMs after the turn.
constexpr int kTickAfterSecondMs = 50;
constexpr int kLatestTickMs = 500;
constexpr UINT kTickPeriodMs = 1000;

// SetTimer on the clock's window and id replaces its timer in place; the clock's timer owner
// still kills it at detach. A failed re-arm leaves the running timer as it was.
void keepTickInStep(ClockInstance& clock, int millisecond) {
  if (clock.tickRealigning) {
    clock.tickRealigning = false;
    SetTimer(clock.clock, TICK_TIMER_ID, kTickPeriodMs, nullptr);
  }
  if (millisecond <= kLatestTickMs)
    return;
  const auto wait = static_cast<UINT>(1000 - millisecond + kTickAfterSecondMs);
  clock.tickRealigning = SetTimer(clock.clock, TICK_TIMER_ID, wait, nullptr) != 0;
}

bool anyGraphOn(const ClockMeters& meters) noexcept {
  return meters.memory.graphOn || meters.cpu.graphOn || meters.battery.graphOn;
}

// Samples the meters; true when they would now draw other pixels. A graph moves along with
// every sample, but over a steady load it draws the same line: that is no repaint.
bool sampleAndCompareMeters(ClockInstance& clock) {
  // One look at a time: the ticks of all clocks run one after another on the shell's thread.
  static MeterLook before;
  ClockMeters& meters = clock.config.meters;
  const bool graphs = anyGraphOn(meters);
  if (graphs)
    before.take(meters);
  ClockServices& services = clockServices();
  const bool changed = sampleMeters(
      meters,
      BatteryAlarmState{clock.alarms, static_cast<int>(clock.config.batteryAlarmThreshold),
                        clock.repaintEveryTick},
      MeterSources{services.systemLoad, services.meters, services.alarmNames}, false);
  return changed && (!graphs || before.differs(meters));
}

}  // namespace

void runTick(ClockInstance& clock, bool timeChanged) {
  HookState& state = hookState();
  // A relayout asked for goes first: the face paints after it, when the clock has its new size.
  const bool relayout = state.relayoutPending;
  if (relayout) {
    state.relayoutPending = false;
    PostMessageA(clock.taskbar, WM_SIZE, 0, 0);
  }
  CalendarTime utc, local;
  currentMoment(utc, local);
  if (!timeChanged)
    keepTickInStep(clock, utc.milliseconds);
  updateLockKeyHook(anyClockShowsLockKeys());
  bool repaintWanted =
      sampleAndCompareMeters(clock) || timeChanged || utc.minute != clock.minuteOfLastPaint;
  // Seconds, blinking, a ringing alarm or lock-key texts may change any second; whether they
  // did is found by rendering the texts, which costs far less than a paint.
  if (!repaintWanted && (clock.repaintEveryTick || clock.lockKeysShown))
    repaintWanted = faceWouldChange(clock, utc, local);
  if (!repaintWanted)
    return;
  if (relayout)
    InvalidateRect(clock.clock, nullptr, FALSE);
  else
    repaintClockNow(clock);
}

void takeLockKeyNudge(ClockInstance& clock) {
  // The keyboard hook has brought the kept states up to date already.
  if (clock.lockKeysShown)
    repaintClockNow(clock);
}

}  // namespace zembrik
