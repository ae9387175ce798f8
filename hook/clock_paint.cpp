#include "clock_paint.h"

namespace zembrik {

// Until the face painter is wired in, the clock keeps the native size and shows the taskbar's
// face colour.
PackedSize measureFace(ClockInstance& clock) { return clock.nativeSize; }

void paintFace(ClockInstance& clock, HDC target, const CalendarTime&, const CalendarTime&) {
  RECT client{};
  GetClientRect(clock.clock, &client);
  FillRect(target, &client, GetSysColorBrush(COLOR_3DFACE));
}

void releaseSurfaces(ClockInstance&) {}

bool lockKeysDisplayed() { return false; }

}  // namespace zembrik
