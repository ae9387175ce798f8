#include "engine/options/options_startup.h"

#include "engine/settings/font_spec.h"

namespace zembrik {

namespace {

constexpr std::uint32_t kOwnVersion = 0x01002D00;
constexpr std::u16string_view kOwnVersionTitle = u"Quarrow  1.45";
constexpr int kSmallestOptionsFontPoints = 7;

char16_t lowerAscii(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool equalsIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lowerAscii(a[i]) != lowerAscii(b[i]))
      return false;
  }
  return true;
}

void appendDecimal(std::u16string& text, std::uint32_t number) {
  for (const char c : std::to_string(number)) text.push_back(static_cast<char16_t>(c));
}

}  // namespace

std::u16string_view optionsCommandWord(std::u16string_view commandLine) {
  std::size_t start = 0;
  while (start < commandLine.size() && commandLine[start] <= u' ') ++start;
  return commandLine.substr(start);
}

bool allowsSecondInstance(std::u16string_view commandLine) {
  return equalsIgnoringCase(optionsCommandWord(commandLine), u"***");
}

std::optional<std::size_t> initialPageIndex(std::u16string_view commandLine) {
  const auto word = optionsCommandWord(commandLine);
  std::optional<std::size_t> chosen;
  for (std::size_t index = 0; index < kOptionsPageTitles.size(); ++index) {
    if (equalsIgnoringCase(word, kOptionsPageTitles[index]))
      chosen = index;
  }
  return chosen;
}

std::u16string optionsWindowTitle(std::optional<std::uint32_t> storedVersion) {
  std::u16string title;
  if (storedVersion) {
    const auto version = *storedVersion;
    title = u"Zembrik ";
    appendDecimal(title, version >> 24);
    title += u'.';
    appendDecimal(title, (version >> 8) & 0xFFFF);
    if ((version & 0xFF) != 0) {
      title += u'.';
      appendDecimal(title, version & 0xFF);
    }
    if (version == kOwnVersion)
      return title;
    // Settings written by another version: say which version this editor is. A version part
    // is always followed by the separator, also for a stored 0, so the two never run together.
    title += u"; ";
  }
  title += kOwnVersionTitle;
  return title;
}

std::u16string optionsProgramDirectory(std::u16string_view programPath) {
  const auto separator = programPath.find_last_of(u"\\/");
  if (separator != std::u16string_view::npos)
    return std::u16string(programPath.substr(0, separator + 1));
  const auto colon = programPath.find(u':');
  if (colon != std::u16string_view::npos)
    return std::u16string(programPath.substr(0, colon + 1));
  return {};
}

OptionsFont decideOptionsFont(std::optional<std::u16string_view> storedSpec) {
  if (!storedSpec || storedSpec->empty())
    return {};
  const auto spec = parseFontSpec(*storedSpec);
  if (!spec || spec->size < kSmallestOptionsFontPoints || spec->face.empty())
    return {};
  OptionsFont font;
  font.points = spec->size;
  // The parser keeps the face's low bytes; they widen back to the same characters.
  for (const char c : spec->face)
    font.face.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
  return font;
}

}  // namespace zembrik
