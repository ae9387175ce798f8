#include "engine/settings/cell_value.h"

#include "engine/settings/field_cursor.h"

namespace zembrik {

namespace {

using settings_detail::FieldCursor;

constexpr std::u16string_view kComma = u",";
constexpr std::u16string_view kCommaOrColon = u",:";

std::uint8_t lowByte(int value) noexcept {
  return static_cast<std::uint8_t>(value & 0xFF);
}

char16_t readAlignment(FieldCursor& cursor) noexcept {
  cursor.skipSpaces();
  return cursor.peek() == u',' ? u'\0' : cursor.peek();
}

// One of fields 2-6: the number, then everything up to and including the next comma (a colon
// does not stop it). False when the text ends before that comma.
bool readLeadingField(FieldCursor& cursor, int& out) noexcept {
  cursor.skipSpaces();
  out = cursor.readInt();
  return cursor.skipPast(kComma) != u'\0';
}

// Fields 7-11 end at a comma or at the colon; the character that ended it is returned.
char16_t readTrailingField(FieldCursor& cursor, int& out) noexcept {
  cursor.skipSpaces();
  out = cursor.readInt();
  return cursor.skipPast(kCommaOrColon);
}

}  // namespace

CellValue parseCellValue(std::u16string_view text) {
  CellValue cell;
  FieldCursor cursor(text);

  cell.alignment = readAlignment(cursor);
  if (cursor.skipPast(kComma) == u'\0')
    return cell;

  int number = 0;
  if (!readLeadingField(cursor, number))
    return cell;
  cell.flags = lowByte(number);
  if (!readLeadingField(cursor, cell.leftInset))
    return cell;
  if (!readLeadingField(cursor, cell.rightInset))
    return cell;
  if (!readLeadingField(cursor, cell.topInset))
    return cell;
  if (!readLeadingField(cursor, cell.bottomInset))
    return cell;

  char16_t end = readTrailingField(cursor, cell.effect);
  // Fields 8-11 follow only after a comma and may stop at the colon.
  int optional[4] = {0, 0, 0, 0};
  for (int i = 0; i < 4 && end == u','; ++i) end = readTrailingField(cursor, optional[i]);
  cell.cellSeparator = lowByte(optional[0]);
  cell.reserved = lowByte(optional[1]);
  cell.stretchWeight = optional[2];
  cell.hidePriority = lowByte(optional[3]);

  // Anything after field 11 up to the colon is ignored; the format runs to the end.
  if (end == u',')
    end = cursor.skipPast(u":");
  if (end == u':')
    cell.format = std::u16string(cursor.rest());
  return cell;
}

}  // namespace zembrik
