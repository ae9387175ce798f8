#include "paint/digit_widths.h"

namespace zembrik {

DigitWidths measureDigitWidths(DrawSurface& surface) {
  DigitWidths digits;
  digits.measured = true;
  digits.zeroWidth = surface.measureText(u"0").width;
  digits.widestWidth = digits.zeroWidth;
  digits.widestDigit = u'0';
  for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
    int width = surface.measureText(std::u16string_view(&digit, 1)).width;
    if (width > digits.widestWidth) {
      digits.widestWidth = width;
      digits.widestDigit = digit;
    }
  }
  return digits;
}

void normaliseDigits(std::u16string_view text, char16_t widest, std::u16string& out) {
  out.assign(text);
  for (char16_t& c : out) {
    if (c >= u'1' && c <= u'9')
      c = widest;
  }
}

Size measureNormalised(DrawSurface& surface, std::u16string_view text, DigitWidths& digits,
                       std::u16string& scratch) {
  if (!digits.measured)
    digits = measureDigitWidths(surface);
  // The replaced digits already take the widest digit's width in the measured text; nothing is
  // added per digit on top of that.
  normaliseDigits(text, digits.widestDigit, scratch);
  return surface.measureText(scratch);
}

}  // namespace zembrik
