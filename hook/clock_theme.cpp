#include "hook/clock_theme.h"

#include "engine/theme/theme_detection.h"
#include "hook/clock_instance.h"
#include "hook/clock_paint.h"
#include "hook/hook_state.h"
#include "platform/win32/registry_win32.h"

namespace zembrik {

void refreshThemeState() {
  auto user = openCurrentUserRoot();
  hookState().theme.refresh(detectThemeActive(*user));
}

void refreshLook(ClockInstance& clock) {
  refreshThemeState();
  refreshColours();
  applyFlatTray(clock);
  releaseSurfaces(clock);
}

namespace {

void setTrayEdge(HWND notify, bool edge) {
  LONG style = GetWindowLongA(notify, GWL_EXSTYLE);
  LONG wanted = edge ? (style | WS_EX_STATICEDGE) : (style & ~WS_EX_STATICEDGE);
  if (wanted == style)
    return;
  SetWindowLongA(notify, GWL_EXSTYLE, wanted);
  SetWindowPos(notify, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

void applyFlatTray(ClockInstance& clock) {
  if (!clock.isMain() || hookState().theme.themeActive())
    return;
  // Only an edge this clock removed is given back: a notification area that never had one
  // keeps its look.
  if (clock.config.flatTray) {
    if (GetWindowLongA(clock.notify, GWL_EXSTYLE) & WS_EX_STATICEDGE) {
      setTrayEdge(clock.notify, false);
      clock.flatTrayApplied = true;
    }
  } else if (clock.flatTrayApplied) {
    setTrayEdge(clock.notify, true);
    clock.flatTrayApplied = false;
  }
}

void restoreTrayEdge(ClockInstance& clock) {
  if (clock.isMain() && clock.flatTrayApplied && IsWindow(clock.notify))
    setTrayEdge(clock.notify, true);
  clock.flatTrayApplied = false;
}

void releaseThemeLibrary() {
  hookState().theme.release();
}

void rebuildSurfaces(ClockInstance& clock, bool hover) {
  clock.background.setHover(hover);
  if (clock.painter)
    clock.painter->forceRelayout();
  InvalidateRect(clock.clock, nullptr, FALSE);
}

}  // namespace zembrik
