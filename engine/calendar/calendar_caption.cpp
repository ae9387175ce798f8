#include "engine/calendar/calendar_caption.h"

namespace zembrik {

std::u16string calendarCaption(const CompiledFormat& title, const CalendarDate& shown,
                               const FormatEnvironment& env) {
  CalendarTime moment;
  moment.year = static_cast<std::uint16_t>(shown.year);
  moment.month = static_cast<std::uint16_t>(shown.month);
  moment.day = static_cast<std::uint16_t>(validDay(shown));
  moment.dayOfWeek =
      static_cast<std::uint16_t>(calendarDateOf(shown.year, shown.month, moment.day).weekday);
  PaintCache cache;
  cache.localBias = kLocalBiasUnknown;
  RenderedFormat rendered;
  renderFormat(title, {moment, moment}, cache, env, VariantRequest::None, rendered);
  std::u16string caption;
  for (const auto& segment : rendered.segments) caption += segment;
  return caption;
}

}  // namespace zembrik
