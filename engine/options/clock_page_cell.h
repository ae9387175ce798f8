#pragma once
// A cell as the Clock page edits it, and the page's text encodings: the cell value it reads and
// writes, the cell separator bytes and the face's `separator` word as check boxes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/settings/cell_value.h"

namespace zembrik {

inline constexpr std::int32_t kNoCellColor = -1;

struct ClockPageCell {
  // Fields as in the stored cell value; `value.format` is the text the page shows (alignment
  // already folded into it, a centred text without its marks) and `value.alignment` is unused.
  CellValue value;
  std::u16string font;                     // `font_` as stored; empty: no font of its own
  std::int32_t color = kNoCellColor;       // `color_`
  std::optional<std::uint32_t> keptColor;  // `_color_`, kept aside while "Color" is unchecked

  const std::u16string& text() const noexcept { return value.format; }
};

// The page's reading of a stored cell value: the engine's parser, then the alignment folded into
// the text when the text places nothing itself, and a centred text shown without its marks.
CellValue readPageCellValue(std::u16string_view stored);

// The page text for a parsed format and alignment character (the part of the reading above that
// follows the parser).
std::u16string pageTextOf(std::u16string_view format, char16_t alignment);

// "," flags "," left "," right "," above "," below "," effect, then fields 8-11 only when one is
// not 0, ":" and the text; zeros as empty fields. The alignment character is never written.
std::u16string writePageCellValue(const CellValue& cell);

// One cell separator byte as its three boxes: "Separator", "1 pixel size", "Full size".
struct CellSeparatorBoxes {
  bool shown = false;
  bool onePixel = false;
  bool fullSize = true;

  bool operator==(const CellSeparatorBoxes&) const = default;
};
CellSeparatorBoxes decodeCellSeparator(std::uint8_t value) noexcept;
std::uint8_t encodeCellSeparator(const CellSeparatorBoxes& boxes) noexcept;

// The face's `separator` word as its boxes "<   separators", ">" and "1 pixel separators".
struct FaceSeparatorBoxes {
  bool leading = false;
  bool trailing = false;
  bool onePixel = false;

  bool operator==(const FaceSeparatorBoxes&) const = default;
};
// Both encodings: with bit 31 the bits of the boxes; without it the older value 1 alone means a
// leading separator.
FaceSeparatorBoxes decodeFaceSeparatorBoxes(std::uint32_t word) noexcept;
// Always the newer encoding (bit 31 set).
std::uint32_t encodeFaceSeparatorBoxes(const FaceSeparatorBoxes& boxes) noexcept;

}  // namespace zembrik
