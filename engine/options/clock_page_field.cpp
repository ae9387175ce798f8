#include "engine/options/clock_page_field.h"

namespace zembrik {

namespace {

constexpr std::int64_t kSaturation = 1'000'000'000'000;

std::u16string_view trimmed(std::u16string_view text) {
  while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == u' ' || text.back() == u'\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::int64_t> parseFieldNumber(std::u16string_view text) {
  text = trimmed(text);
  bool negative = false;
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
    negative = text.front() == u'-';
    text.remove_prefix(1);
  }
  if (text.empty())
    return std::nullopt;
  std::int64_t value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9')
      return std::nullopt;
    if (value < kSaturation)
      value = value * 10 + (c - u'0');
  }
  return negative ? -value : value;
}

std::u16string_view fieldHint(FieldInput input) {
  switch (input) {
    case FieldInput::NotANumber:
      return u"Not a number: not saved";
    case FieldInput::OutOfRange:
      return u"Out of range: not saved";
    default:
      return {};
  }
}

}  // namespace zembrik
