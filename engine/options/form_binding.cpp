#include "engine/options/form_binding.h"

#include <cstdio>

#include "engine/registry/registry_access.h"
#include "engine/settings/font_spec.h"

namespace zembrik {

namespace {

std::u16string widen(std::string_view bytes) {
  std::u16string wide;
  for (char c : bytes) wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
  return wide;
}

bool isBlank(char16_t c) noexcept {
  return c == u' ' || c == u'\t';
}

}  // namespace

std::optional<std::int64_t> parseWholeNumber(std::u16string_view text) noexcept {
  std::size_t pos = 0;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+')) {
    negative = text[pos] == u'-';
    ++pos;
  }
  // Eighteen digits always fit; longer texts are nobody's setting.
  constexpr std::size_t kMaxDigits = 18;
  std::size_t digits = 0;
  std::int64_t value = 0;
  while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') {
    if (++digits > kMaxDigits)
      return std::nullopt;
    value = value * 10 + (text[pos] - u'0');
    ++pos;
  }
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  if (digits == 0 || pos != text.size())
    return std::nullopt;
  return negative ? -value : value;
}

CheckedNumber checkNumber(std::u16string_view text, NumberRange range) noexcept {
  auto number = parseWholeNumber(text);
  if (!number)
    return {NumberCheck::NotANumber, 0};
  if (!range.contains(*number))
    return {NumberCheck::OutOfRange, *number};
  return {NumberCheck::Accepted, *number};
}

std::u16string unsignedText(std::uint64_t value) {
  return widen(std::to_string(value));
}
std::u16string signedText(std::int64_t value) {
  return widen(std::to_string(value));
}

std::u16string rangeHint(NumberRange range) {
  return u"Please enter an integer between " + signedText(range.low) + u" and " +
         signedText(range.high) + u".";
}

std::u16string colourText(std::uint32_t colour) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%06x", static_cast<unsigned>(colour));
  return widen(buffer);
}

bool writeTextKeepingDefault(RegistryKey& key, std::u16string_view name, std::u16string_view text,
                             std::u16string_view shownDefault) {
  if (!readText(key, name) && text == shownDefault)
    return true;
  return writeText(key, name, text);
}

bool writeFlag(RegistryKey& key, std::u16string_view name, bool checked) {
  return writeNumber(key, name, checked ? 1u : 0u);
}

bool writeFlagOrDelete(RegistryKey& key, std::u16string_view name, bool checked) {
  if (checked)
    return writeNumber(key, name, 1u);
  const RegStatus status = key.deleteValue(name);
  return status == RegStatus::Ok || status == RegStatus::NotFound;
}

std::optional<std::size_t> indexOfStoredText(std::span<const std::u16string_view> storedTexts,
                                             std::u16string_view stored) noexcept {
  for (std::size_t i = 0; i < storedTexts.size(); ++i) {
    if (storedTexts[i] == stored)
      return i;
  }
  return std::nullopt;
}

std::u16string fontSpecText(const FontChoice& font) {
  return signedText(font.pointSize) + u"," + signedText(font.weight) + u",:" + font.face;
}

FontChoice fontChoiceFromSpec(const std::optional<std::u16string>& spec,
                              const FontChoice& fallback) {
  if (!spec)
    return fallback;
  auto parsed = parseFontSpec(*spec);
  if (!parsed)
    return fallback;
  return {parsed->size, parsed->weight, widen(parsed->face)};
}

}  // namespace zembrik
