#include "hook/clock_paint.h"

#include <memory>

#include "engine/paint/face_painter.h"
#include "hook/clock_services.h"
#include "hook/clock_size.h"
#include "hook/clock_theme.h"
#include "hook/hook_state.h"
#include "platform/win32/calendar_time_win32.h"
#include "platform/win32/dc_scopes_win32.h"
#include "platform/win32/gdi_surface.h"
#include "platform/win32/system_colours_win32.h"

namespace zembrik {

namespace {

// The painter of each clock, created on first use; it keeps the clock's off-screen surface.
FacePainter& painterOf(ClockInstance& clock) {
  if (!clock.painter) {
    clock.painter = std::make_unique<FacePainter>(
        hookState().surfaceFactory,
        FaceHooks{&clock.background, &clock.faceMeters, &clock.addonLayout});
  }
  return *clock.painter;
}

// The colours every clock paints with, computed on first use.
const FaceColours& processColours() {
  HookState& state = hookState();
  if (!state.colours)
    refreshColours();
  return *state.colours;
}

struct PaintContext {
  FormatEnvironment format;
  RenderMoment moment;
  PaintCache cache;
};

PaintContext contextFor(const CalendarTime& utc, const CalendarTime& local) {
  ClockServices& services = hookState().services;
  // Read once, then kept until the keyboard hook reports a lock key or the minute changes.
  services.lockKeys.keepWithinMinute(utc.minute);
  return PaintContext{
      FormatEnvironment{services.names, services.zones, services.systemZone, services.lockKeys},
      RenderMoment{utc, local}, PaintCache{}};
}

// Paints into `target` at the moment of now, which the tick compares with from then on; true
// when the clock should be laid out again.
bool paintNow(ClockInstance& clock, HDC target) {
  CalendarTime utc, local;
  currentMoment(utc, local);
  clock.minuteOfLastPaint = utc.minute;
  clock.secondOfLastPaint = utc.second;
  return paintFace(clock, target, utc, local);
}

// A DC from the cache, clipped as the window's styles ask, that is not reset when released:
// the paint hands it back in the state it came (the surface puts back what it changed), and
// the reset costs Wine a font realisation on every release, most of a paint's cost beyond
// the drawing.
DWORD tickDcFlags(HWND window) {
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  DWORD flags = DCX_CACHE | DCX_NORESETATTRS;
  if (style & WS_CLIPSIBLINGS)
    flags |= DCX_CLIPSIBLINGS;
  if (style & WS_CLIPCHILDREN)
    flags |= DCX_CLIPCHILDREN;
  return flags;
}

}  // namespace

void paintClockWindow(ClockInstance& clock) {
  bool relayout = false;
  {
    PaintScope paint(clock.clock);
    relayout = paint.dc() && paintNow(clock, paint.dc());
  }
  if (relayout)
    resizeClock(clock, /*restore=*/false);
}

void repaintClockNow(ClockInstance& clock) {
  if (!IsWindowVisible(clock.clock)) {
    InvalidateRect(clock.clock, nullptr, FALSE);
    return;
  }
  bool relayout = false;
  {
    WindowDc dc(clock.clock, tickDcFlags(clock.clock));
    if (dc.get() == nullptr) {
      InvalidateRect(clock.clock, nullptr, FALSE);
      return;
    }
    relayout = paintNow(clock, dc.get());
  }
  if (relayout)
    resizeClock(clock, /*restore=*/false);
}

PackedSize measureFace(ClockInstance& clock) {
  CalendarTime utc, local;
  currentMoment(utc, local);
  PaintContext context = contextFor(utc, local);
  PaintInputs inputs{context.format,   context.moment,           context.cache,
                     processColours(), hookState().osGeneration, clock.alarms.alarmActive()};
  return painterOf(clock).measureForTaskbar(clock.config, inputs);
}

bool paintFace(ClockInstance& clock, HDC target, const CalendarTime& utc,
               const CalendarTime& local) {
  HookState& state = hookState();
  RECT client{};
  GetClientRect(clock.clock, &client);
  const Size clientSize{client.right, client.bottom};
  // The background is told the process's state of the moment; the colours that go with a new
  // background are made before the paint that builds it, not in the middle of it.
  clock.background.setContext({state.osGeneration, state.primaryClockWindow});
  if (clock.background.buildDue(clientSize))
    refreshColours();
  PaintContext context = contextFor(utc, local);
  PaintInputs inputs{context.format,   context.moment,           context.cache,
                     processColours(), hookState().osGeneration, clock.alarms.alarmActive()};
  GdiSurface window(target, clientSize);
  PaintOutcome outcome = painterOf(clock).draw(clock.config, inputs, window, clientSize);
  clock.lockKeysShown = outcome.lockKeysShown;
  clock.repaintEveryTick = outcome.refreshEverySecond || clock.alarms.alarmActive();
  return outcome.relayoutWanted;
}

bool faceWouldChange(ClockInstance& clock, const CalendarTime& utc, const CalendarTime& local) {
  if (!clock.painter)
    return true;
  PaintContext context = contextFor(utc, local);
  PaintInputs inputs{context.format,   context.moment,           context.cache,
                     processColours(), hookState().osGeneration, clock.alarms.alarmActive()};
  return clock.painter->wouldDrawOtherTexts(clock.config, inputs);
}

void releaseSurfaces(ClockInstance& clock) {
  if (clock.painter)
    clock.painter->releaseSurfaces();
  clock.background.release();
}

void refreshColours() {
  HookState& state = hookState();
  state.colours = refreshFaceColours(state.theme, state.osGeneration, Win32SystemColours{});
}

}  // namespace zembrik
