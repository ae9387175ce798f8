#include "engine/options/font_description.h"

#include "engine/settings/font_spec.h"

namespace zembrik {
namespace {

std::u16string decimal(long long value) {
  std::string narrow = std::to_string(value);
  return std::u16string(narrow.begin(), narrow.end());
}

std::u16string weightWord(int weight) {
  if (weight >= 1 && weight <= 100)
    return u", thin";
  switch (weight) {
    case 200:
      return u", extralight";
    case 300:
      return u", light";
    case 400:
      return u"";
    case 500:
      return u", medium";
    case 600:
      return u", semibold";
    case 700:
      return u", bold";
    case 800:
      return u", extrabold";
    case 900:
      return u", heavy";
    default:
      return u", weight " + decimal(weight);
  }
}

}  // namespace

std::u16string fontDescription(std::u16string_view face, int size, int weight, int codePage) {
  std::u16string text(face);
  if (size != 0)
    text += u", size " + decimal(size);
  if (weight != 0)
    text += weightWord(weight);
  if (codePage != 0)
    text += u", cp " + decimal(codePage);
  return text;
}

EditedFontSpec editedFontSpec(std::u16string_view rawText) {
  EditedFontSpec edited;
  edited.rawText = std::u16string(rawText);
  if (std::optional<FontSpec> spec = parseFontSpec(rawText)) {
    for (char c : spec->face) edited.face.push_back(static_cast<unsigned char>(c));
    edited.size = spec->size;
    edited.weight = spec->weight;
    edited.codePage = spec->third;
  }
  edited.description = fontDescription(edited.face, edited.size, edited.weight, edited.codePage);
  return edited;
}

}  // namespace zembrik
