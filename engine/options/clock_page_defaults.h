#pragma once
// The layouts the Clock page writes for a set that has none yet.
#include "engine/options/clock_page_layout.h"

namespace zembrik {

// Vertical sets get five rows in one column; a horizontal set whose clock (the primary clock's
// window, or the secondary taskbar) is taller than 29 pixels gets three by three; any other
// horizontal set a single "HH:mm". Unknown heights count as low.
ClockPageLayout defaultClockPageLayout(bool vertical, int measuredHeight);

}  // namespace zembrik
