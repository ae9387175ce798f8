#pragma once
// Digit normalisation: a clock's texts change their digits every minute, and in fonts whose
// digits differ in width the face would change size with them. Texts are measured with every
// digit 1-9 standing for the font's widest digit, and each such digit adds the difference
// between the widest digit and "0" on top: stored layouts were made with that room.
#include <string>
#include <string_view>

#include "engine/paint/draw_surface.h"

namespace zembrik {

// The width of "0" and the widest of "1" ... "9" in the surface's selected font; the first one
// wins a tie, and "0" stands when none is wider.
DigitWidths measureDigitWidths(DrawSurface& surface);

// `text` with every digit 1-9 replaced by `widest`, into `out` (its capacity is reused).
// Returns how many digits were replaced.
int normaliseDigits(std::u16string_view text, char16_t widest, std::u16string& out);

// Whether `a` and `b` normalise to the same text: they differ at most where both have a digit
// 1-9. Such texts measure alike, so a text that changed only so cannot have grown.
bool sameNormalisedText(std::u16string_view a, std::u16string_view b) noexcept;

// The extent of `text` in the selected font with its digits normalised, widened by
// (widest digit - "0") for every replaced digit. `digits` belongs to the selected font and is
// measured on first use; `scratch` holds the normalised text.
Size measureNormalised(DrawSurface& surface, std::u16string_view text, DigitWidths& digits,
                       std::u16string& scratch);

}  // namespace zembrik
