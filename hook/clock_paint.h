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

// The clock's WM_PAINT: paints the face into the paint's device context at the moment of now.
void paintClockWindow(ClockInstance& clock);

// Paints the face at once through the window's own device context, as its WM_PAINT would: a
// repaint from the tick then costs the window manager nothing beyond the drawing, where an
// invalidate costs the update region, the paint message and BeginPaint/EndPaint. A clock that
// is hidden, or whose device context cannot be had, is invalidated instead and paints when it
// shows.
void repaintClockNow(ClockInstance& clock);

// Whether a paint at this moment would draw other texts than the last paint (or a blink phase,
// a ringing alarm). Renders the texts; draws nothing.
bool faceWouldChange(ClockInstance& clock, const CalendarTime& utc, const CalendarTime& local);

// Releases the clock's off-screen surfaces and its background (on size or colour changes and at
// detach); both are made again at the next paint.
void releaseSurfaces(ClockInstance& clock);

// Recomputes the colours every clock paints with (system colours or theme changed).
void refreshColours();

}  // namespace zembrik
