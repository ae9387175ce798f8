#pragma once
// Fuzzer-style settings for the hook tests: random values of every kind in every place the
// clock reads, and the soak parameters a longer run takes from the environment.
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <random>
#include <string>

#include "engine/registry/registry_access.h"
#include "platform/win32/registry_win32.h"

namespace zembrik::testing {

// A number from the environment, for longer soaks than the suite's own run.
inline std::uint32_t environmentNumber(const char* name, std::uint32_t fallback) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0'
             ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10))
             : fallback;
}

// Writes a random horizontal set or monitor variant (grid sizes, margins, cells, fonts, colours,
// blinks) and random name texts. False when the settings keys cannot be opened.
inline bool writeRandomSettings(std::mt19937& random) {
  static const std::u16string pieces[] = {
      u"HH",   u"mm:ss",  u"@{",     u"}",   u"'",    u"\\",         u"<",  u">",
      u"dddd", u"MMMX",   u"ZZm",    u"zzz", u",",    u":",          u"A",  u"N",
      u"S",    u"\x0001", u"\xD800", u"w",   u"yyyy", u"9999999999", u"-5", u"  "};
  auto randomText = [&](int maxPieces) {
    std::u16string text;
    int n = static_cast<int>(random() % maxPieces);
    for (int i = 0; i < n; ++i) text += pieces[random() % std::size(pieces)];
    return text;
  };
  // The set itself or one of the monitor variants the main clock of a 1280 x 800 screen at
  // 96 dpi looks for below it; now and then a variant's name as a value, which is no variant.
  static const char16_t* const sets[] = {
      u"horizontal", u"horizontal\\size_1280x800_96", u"horizontal\\name_Default_Monitor",
      u"horizontal\\name_Default_Monitor\\size_1280x800_96", u"horizontal\\size_1280x800"};
  auto user = openCurrentUserRoot();
  auto set = user->createSubkey(
      u"Software\\OBR\\Zembrik\\" + std::u16string(sets[random() % std::size(sets)]), kKeyReadWrite,
      KeyLifetime::Persistent);
  if (!set)
    return false;
  if (random() % 4 == 0) {
    if (auto plain = user->createSubkey(u"Software\\OBR\\Zembrik\\horizontal", kKeyReadWrite,
                                        KeyLifetime::Persistent))
      writeNumber(*plain.key, u"name_Default_Monitor", static_cast<std::uint32_t>(random()));
  }
  writeNumber(*set.key, u"nColumns", random() % 5 == 0 ? 0xFFFFFFFFu : random() % 7);
  writeNumber(*set.key, u"nRows", random() % 5 == 0 ? 0x7FFFFFFFu : random() % 7);
  for (auto value : {u"top", u"bottom", u"left", u"right", u"separator"}) {
    writeNumber(*set.key, value, static_cast<std::uint32_t>(random()));
  }
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 6; ++column) {
      auto rc = u"_" + std::u16string(1, static_cast<char16_t>(u'0' + row)) + u"_" +
                std::u16string(1, static_cast<char16_t>(u'0' + column));
      writeText(*set.key, u"cell" + rc, randomText(12));
      writeText(*set.key, u"font" + rc, randomText(6));
      writeNumber(*set.key, u"color" + rc, static_cast<std::uint32_t>(random()));
      writeNumber(*set.key, u"blink" + rc, static_cast<std::uint32_t>(random()));
    }
  }
  auto root = user->openSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite);
  if (!root)
    return false;
  writeText(*root.key, u"weekDays", randomText(10));
  writeText(*root.key, u"textAM", randomText(4));
  return true;
}

}  // namespace zembrik::testing
