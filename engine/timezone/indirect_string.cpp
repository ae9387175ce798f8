#include "engine/timezone/indirect_string.h"

#include <algorithm>

namespace zembrik {

namespace {

bool isWideSpace(char16_t c) {
  return c == u' ' || (c >= u'\t' && c <= u'\r');
}

std::int64_t parseNumber(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isWideSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
    negative = text[i++] == u'-';
  constexpr std::int64_t kLimit = std::int64_t{1} << 40;  // far beyond any string number
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = std::min(kLimit, value * 10 + (text[i] - u'0'));
  }
  return negative ? -value : value;
}

}  // namespace

std::optional<IndirectReference> parseIndirectReference(std::u16string_view text) {
  if (text.empty() || text.front() != u'@')
    return std::nullopt;
  text.remove_prefix(1);
  const auto comma = text.rfind(u',');
  if (comma == std::u16string_view::npos)
    return std::nullopt;
  return IndirectReference{std::u16string(text.substr(0, comma)),
                           parseNumber(text.substr(comma + 1))};
}

SpecialLocaleResolver::SpecialLocaleResolver(ZoneNamePlatform& platform, std::u16string language)
    : platform_(platform), language_(std::move(language)) {}

SpecialLocaleResolver::~SpecialLocaleResolver() {
  while (!libraries_.empty()) libraries_.pop_back();  // the reverse order of loading
}

ResourceLibrary* SpecialLocaleResolver::library(const std::u16string& file) {
  for (auto& loaded : libraries_) {
    if (loaded.file == file)
      return loaded.library.get();
  }
  if (!haveSystemDirectory_) {
    systemDirectory_ = platform_.systemDirectory();
    haveSystemDirectory_ = true;
  }
  auto path = systemDirectory_ + u"\\" + language_ + u"\\" + file + u".mui";
  libraries_.push_back({file, platform_.loadResourceLibrary(path)});
  return libraries_.back().library.get();
}

std::optional<std::u16string> SpecialLocaleResolver::resolve(std::u16string_view raw) {
  std::size_t start = 0;
  while (start < raw.size() && raw[start] <= u' ') ++start;
  raw.remove_prefix(start);
  if (raw.empty())
    return std::nullopt;
  if (raw.front() != u'@')
    return std::u16string(raw);

  auto reference = parseIndirectReference(raw);
  // String numbers are 16 bits; "-112" names string 112.
  if (!reference || reference->number >= 0 || reference->number < -0xFFFF)
    return std::nullopt;
  ResourceLibrary* file = library(reference->file);
  if (file == nullptr)
    return std::nullopt;
  auto text =
      file->loadString(static_cast<std::uint32_t>(-reference->number), kResourceStringChars);
  if (text.empty())
    return std::nullopt;
  return text;
}

}  // namespace zembrik
