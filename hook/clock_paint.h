#pragma once
// The clock face on screen: the painter's measure and draw passes over GDI.
#include <windows.h>

#include "engine/format/calendar_time.h"
#include "hook/clock_instance.h"

namespace zembrik {

// The size the face wants (the measure pass; no device context needed).
PackedSize measureFace(ClockInstance& clock);

// Paints the face for the moment into the clock window's device context. True when a text
// outgrew its measure and the clock should be laid out again.
bool paintFace(ClockInstance& clock, HDC target, const CalendarTime& utc,
               const CalendarTime& local);

// Whether a paint at this moment would draw other texts than the last paint (or a blink phase,
// a ringing alarm). Renders the texts; draws nothing.
bool faceWouldChange(ClockInstance& clock, const CalendarTime& utc, const CalendarTime& local);

// Releases the clock's off-screen surfaces and its background (on size or colour changes and at
// detach); both are made again at the next paint.
void releaseSurfaces(ClockInstance& clock);

// Recomputes the colours every clock paints with (system colours or theme changed).
void refreshColours();

}  // namespace zembrik
