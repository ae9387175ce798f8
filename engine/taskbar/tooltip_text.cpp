#include "engine/taskbar/tooltip_text.h"

namespace zembrik {

namespace {

bool isHighSurrogate(char16_t c) noexcept {
  return c >= 0xD800 && c <= 0xDBFF;
}

// A cut after a high surrogate would leave half a character: it moves one unit back.
std::size_t onBoundary(std::u16string_view text, std::size_t length) noexcept {
  if (length > 0 && length < text.size() && isHighSurrogate(text[length - 1]))
    return length - 1;
  return length;
}

}  // namespace

void buildTooltipText(bool alarmActive, std::u16string_view alarmText,
                      std::u16string_view tooltipFormat, const RenderMoment& moment,
                      PaintCache& cache, const FormatEnvironment& env, std::u16string& out) {
  if (alarmActive && !alarmText.empty()) {
    out.assign(u"Alarm: ");
    out.append(alarmText);
    return;
  }
  SegmentState state;
  state.variantRequest = VariantRequest::None;
  state.zoneSelector = kZoneLocal;
  renderSegment(tooltipFormat, moment, cache, state, env, out);
}

std::size_t fittingPrefixLength(
    std::u16string_view text, std::size_t maxBytes,
    const std::function<std::size_t(std::u16string_view)>& encodedBytes) {
  if (encodedBytes(text) <= maxBytes)
    return text.size();
  // Bytes grow with the length: the longest fitting length lies in [low, high).
  std::size_t low = 0;
  std::size_t high = text.size();
  while (high - low > 1) {
    std::size_t middle = low + (high - low) / 2;
    if (encodedBytes(text.substr(0, onBoundary(text, middle))) <= maxBytes) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return onBoundary(text, low);
}

}  // namespace zembrik
