#include "engine/paint/digit_widths.h"

#include <algorithm>
#include <cstdint>
#include <limits>

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

int normaliseDigits(std::u16string_view text, char16_t widest, std::u16string& out) {
  out.assign(text);
  int replaced = 0;
  for (char16_t& c : out) {
    if (c >= u'1' && c <= u'9') {
      c = widest;
      ++replaced;
    }
  }
  return replaced;
}

bool sameNormalisedText(std::u16string_view a, std::u16string_view b) noexcept {
  if (a.size() != b.size())
    return false;
  auto nonZeroDigit = [](char16_t c) { return c >= u'1' && c <= u'9'; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && !(nonZeroDigit(a[i]) && nonZeroDigit(b[i])))
      return false;
  }
  return true;
}

Size measureNormalised(DrawSurface& surface, std::u16string_view text, DigitWidths& digits,
                       std::u16string& scratch) {
  if (!digits.measured)
    digits = measureDigitWidths(surface);
  int replaced = normaliseDigits(text, digits.widestDigit, scratch);
  Size size = surface.measureText(scratch);
  // Widened in 64 bits: a text of many digits in a wide font must not wrap to a small width.
  std::int64_t extra = std::int64_t{replaced} * (digits.widestWidth - digits.zeroWidth);
  size.width = static_cast<int>(
      std::min<std::int64_t>(size.width + extra, std::int64_t{std::numeric_limits<int>::max()}));
  return size;
}

}  // namespace zembrik
