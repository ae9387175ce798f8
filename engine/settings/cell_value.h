#pragma once
// The cell value (`cell_%d_%d`): up to eleven comma-separated fields, a colon, the format text.
#include <cstdint>
#include <string>
#include <string_view>

namespace zembrik {

// Bits of the flags field.
inline constexpr std::uint8_t kCellResetX = 1;
inline constexpr std::uint8_t kCellResetY = 2;
inline constexpr std::uint8_t kCellNoAntialias = 4;

// Bits of the cell separator byte (field 8; the options program writes field 9 alike). Any
// non-zero value draws the line; the options program always sets Shown with the others.
enum CellSeparatorBits : std::uint8_t {
  kCellSeparatorShown = 1,
  kCellSeparatorThin = 2,       // 1 pixel instead of 2
  kCellSeparatorOwnExtent = 4,  // across the cell only, not the whole face
};

// Text effects of field 7 (drawn by the painter).
inline constexpr int kEffectNone = 0;
inline constexpr int kEffectShadow = 1;
inline constexpr int kEffectEngrave = 2;
inline constexpr int kEffectEmboss = 3;

struct CellValue {
  // Field 1 as written, 0 when empty: '<' left, '>' right, anything else centred. It counts only
  // when the format does not place its own segments (compileCellFormat wraps the text).
  char16_t alignment = 0;
  std::uint8_t flags = 0;  // field 2
  int leftInset = 0;       // fields 3-6, pixels
  int rightInset = 0;
  int topInset = 0;
  int bottomInset = 0;
  int effect = kEffectNone;        // field 7, kept as written
  std::uint8_t cellSeparator = 0;  // field 8
  std::uint8_t reserved = 0;       // field 9
  int stretchWeight = 0;           // field 10
  std::uint8_t hidePriority = 0;   // field 11
  std::u16string format;           // after the colon, not yet wrapped by alignment

  bool operator==(const CellValue&) const = default;
};

// Never fails: whatever the text, the result is a cell (fields missing or garbled read as 0, a
// value without a colon after the fields has an empty format). Byte fields keep the low 8 bits
// of the number written.
CellValue parseCellValue(std::u16string_view text);

}  // namespace zembrik
