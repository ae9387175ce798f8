#pragma once
// The calendar's window caption: the `CalendarTitle` format rendered for the month on show.
#include <string>

#include "engine/calendar/calendar_month.h"
#include "engine/format/format_compile.h"
#include "engine/format/format_render.h"

namespace zembrik {

// Renders `title` (compiled in cell mode) for `shown` at 00:00:00, the day lowered until valid,
// with that moment as both local and universal time, no variant request, the local bias unknown
// and the zone at local time. The segments are joined.
std::u16string calendarCaption(const CompiledFormat& title, const CalendarDate& shown,
                               const FormatEnvironment& env);

}  // namespace zembrik
