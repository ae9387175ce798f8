#pragma once
// The text of a clock's tooltip: the ringing alarm's names or the custom tooltip format for the
// moment, and how much of it fits the 8-bit request's fixed buffer.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "engine/format/format_render.h"

namespace zembrik {

// szText of a tooltip text request: 80 characters (wide) or 80 bytes (8-bit).
inline constexpr std::size_t kTipBufferUnits = 80;

// The alarm's tooltip, or the format rendered at local time without a variant request.
// `out` keeps its capacity between requests.
void buildTooltipText(bool alarmActive, std::u16string_view alarmText,
                      std::u16string_view tooltipFormat, const RenderMoment& moment,
                      PaintCache& cache, const FormatEnvironment& env, std::u16string& out);

// The wide request gets a pointer to the instance's text when it does not fit szText.
constexpr bool wideTipByPointer(std::size_t length) noexcept {
  return length >= kTipBufferUnits;
}

// The length (in UTF-16 units) of the longest beginning of `text` whose 8-bit form takes at
// most `maxBytes` bytes, never ending between the two halves of a surrogate pair.
// `encodedBytes` gives the size of a beginning in the target code page, without a terminator.
std::size_t fittingPrefixLength(
    std::u16string_view text, std::size_t maxBytes,
    const std::function<std::size_t(std::u16string_view)>& encodedBytes);

}  // namespace zembrik
