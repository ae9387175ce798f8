#pragma once
// A font value as the editor shows it: the stored text, its fields and the readable
// description next to each font button ("Arial, size 8, bold").
#include <string>
#include <string_view>

namespace zembrik {

struct EditedFontSpec {
  std::u16string rawText;      // the value as stored
  std::u16string description;  // built from the fields below
  std::u16string face;
  int size = 0;
  int weight = 400;
  int codePage = 0;
};

// Parsed with the engine's font spec parser; an empty or absent text gives empty fields.
EditedFontSpec editedFontSpec(std::u16string_view rawText);

// "Segoe UI, size 9, weight 650", "Arial, size 8, bold, cp 1252".
std::u16string fontDescription(std::u16string_view face, int size, int weight, int codePage);

}  // namespace zembrik
