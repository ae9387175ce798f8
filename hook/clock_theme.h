#pragma once
// How the clocks blend into the taskbar: the theme state of the process, the background each
// clock captures and paints on, and the flat-tray style of the classic look.
#include <windows.h>

namespace zembrik {

struct ClockInstance;

// Reads again whether the visual-styles theme is active (and closes the theme handle).
void refreshThemeState();

// The theme, the colours or a system setting changed: theme state, colours and the flat-tray
// style are refreshed and the clock's surfaces are made again at its next paint.
void refreshLook(ClockInstance& clock);

// Removes or gives back the notification area's sunken edge by the clock's "FlatTray" value, in
// the classic look and on the main taskbar only.
void applyFlatTray(ClockInstance& clock);
// At detach: the edge that "FlatTray" removed comes back.
void restoreTrayEdge(ClockInstance& clock);

// The last clock of the process went away.
void releaseThemeLibrary();

// Mouse enter and leave: the background is captured again in the new hover state.
void rebuildSurfaces(ClockInstance& clock, bool hover);

}  // namespace zembrik
