#include "engine/options/clock_page_cell.h"

#include "engine/format/format_compile.h"
#include "engine/format/zone_table.h"
#include "engine/settings/face_separator.h"
#include "engine/settings/value_names.h"

namespace zembrik {

namespace {

constexpr std::uint32_t kNewSeparatorEncoding = 0x80000000u;
constexpr std::uint32_t kOlderLeadingSeparator = 1;
constexpr std::uint32_t kOnePixelThickness = 1;

constexpr std::uint8_t kCellSeparatorOn = 1;
constexpr std::uint8_t kCellSeparatorOnePixel = 2;
constexpr std::uint8_t kCellSeparatorNotFullSize = 4;

// Whether the format's own `<` or `>` (outside quotes) places it; the compiler's splitting rule.
bool placesItself(std::u16string_view text) {
  EmptyZoneTable zones;
  CompiledFormat segments;
  return compileFormat(text, segments, true, zones);
}

// "<x>" shows as "x" only when "x" alone centres the same way: its inner part places nothing
// itself. Stripping "<a>b>" would turn a centred "a" into a left-aligned one, and "<>" would
// become an empty text that the layout write deletes.
std::u16string withoutCentringMarks(std::u16string_view text) {
  if (text.size() < 3 || text.front() != u'<' || text.back() != u'>')
    return std::u16string(text);
  std::u16string_view inner = text.substr(1, text.size() - 2);
  return std::u16string(placesItself(inner) ? text : inner);
}

void appendNumberField(std::u16string& out, int value) {
  if (value != 0)
    out += decimalText(value);
}

}  // namespace

std::u16string pageTextOf(std::u16string_view format, char16_t alignment) {
  if (format.empty())
    return {};
  EmptyZoneTable zones;
  return withoutCentringMarks(compileCellFormat(format, alignment, zones).format);
}

CellValue readPageCellValue(std::u16string_view stored) {
  CellValue cell = parseCellValue(stored);
  cell.format = pageTextOf(cell.format, cell.alignment);
  cell.alignment = 0;
  return cell;
}

std::u16string writePageCellValue(const CellValue& cell) {
  std::u16string out = u",";
  for (int field : {static_cast<int>(cell.flags), cell.leftInset, cell.rightInset, cell.topInset,
                    cell.bottomInset}) {
    appendNumberField(out, field);
    out += u',';
  }
  appendNumberField(out, cell.effect);
  if (cell.cellSeparator != 0 || cell.reserved != 0 || cell.stretchWeight != 0 ||
      cell.hidePriority != 0) {
    for (int field : {static_cast<int>(cell.cellSeparator), static_cast<int>(cell.reserved),
                      cell.stretchWeight, static_cast<int>(cell.hidePriority)}) {
      out += u',';
      appendNumberField(out, field);
    }
  }
  out += u':';
  out += cell.format;
  return out;
}

CellSeparatorBoxes decodeCellSeparator(std::uint8_t value) noexcept {
  return {value != 0, (value & kCellSeparatorOnePixel) != 0,
          (value & kCellSeparatorNotFullSize) == 0};
}

std::uint8_t encodeCellSeparator(const CellSeparatorBoxes& boxes) noexcept {
  if (!boxes.shown)
    return 0;
  std::uint8_t value = kCellSeparatorOn;
  if (boxes.onePixel)
    value |= kCellSeparatorOnePixel;
  if (!boxes.fullSize)
    value |= kCellSeparatorNotFullSize;
  return value;
}

FaceSeparatorBoxes decodeFaceSeparatorBoxes(std::uint32_t word) noexcept {
  if ((word & kNewSeparatorEncoding) == 0)
    return {word == kOlderLeadingSeparator, false, false};
  return {(word & kSeparatorLeading) != 0, (word & kSeparatorTrailing) != 0,
          (word & 0xFFFFu) == kOnePixelThickness};
}

std::uint32_t encodeFaceSeparatorBoxes(const FaceSeparatorBoxes& boxes) noexcept {
  std::uint32_t word = kNewSeparatorEncoding;
  if (boxes.leading)
    word |= kSeparatorLeading;
  if (boxes.trailing)
    word |= kSeparatorTrailing;
  word |=
      boxes.onePixel ? kOnePixelThickness : static_cast<std::uint32_t>(kDefaultSeparatorThickness);
  return word;
}

}  // namespace zembrik
