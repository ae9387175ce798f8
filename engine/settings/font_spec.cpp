#include "engine/settings/font_spec.h"

#include "engine/settings/field_cursor.h"

namespace zembrik {

namespace {

using settings_detail::FieldCursor;

// An empty weight field, 0 (the platform's "don't care") and negative numbers mean normal;
// a weight above the scale is the heaviest there is.
int sanitizedWeight(int weight) noexcept {
  if (weight <= 0)
    return kDefaultFontWeight;
  return weight > kMaxFontWeight ? kMaxFontWeight : weight;
}

bool onlySpaces(std::u16string_view text) noexcept {
  return text.find_first_not_of(u' ') == std::u16string_view::npos;
}

}  // namespace

std::string narrowFaceName(std::u16string_view face) {
  std::string narrow;
  for (char16_t c : face) {
    if (narrow.size() == kMaxFaceNameChars)
      break;
    auto byte = static_cast<char>(c & 0xFF);
    if (byte == '\0')
      break;
    narrow.push_back(byte);
  }
  return narrow;
}

std::optional<FontSpec> parseFontSpec(std::u16string_view text) {
  if (onlySpaces(text))
    return std::nullopt;

  FontSpec spec;
  FieldCursor cursor(text);
  int fields[4] = {0, 0, 0, 0};
  char16_t end = u',';
  // Each field ends at a comma or at the colon that starts the face name.
  for (int i = 0; i < 4 && end == u','; ++i) {
    cursor.skipSpaces();
    fields[i] = cursor.readInt();
    end = cursor.skipPast(u",:");
  }
  if (end == u',')
    end = cursor.skipPast(u":");

  spec.size = fields[0];
  spec.weight = sanitizedWeight(fields[1]);
  spec.third = fields[2];
  if (end == u':')
    spec.face = narrowFaceName(cursor.rest());
  return spec;
}

}  // namespace zembrik
