#pragma once
// The options program's start-up decisions: which page opens first, whether a second instance
// may run, the window title, the program directory and the font every dialog uses.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zembrik {

// The tab headers in their index order; the page shown first is chosen by these texts.
inline constexpr std::array<std::u16string_view, 6> kOptionsPageTitles = {
    u"General", u"Customization", u"Clock", u"Alarms", u"Time Zones", u"PerfMeter"};

// The command line without its leading characters of code 32 or less.
std::u16string_view optionsCommandWord(std::u16string_view commandLine);

// "***" (any case) lets a second instance start beside a running one.
bool allowsSecondInstance(std::u16string_view commandLine);

// Index of the header whose text equals the command word (any case); the last match wins.
// Nothing when no header matches: the first page stays.
std::optional<std::size_t> initialPageIndex(std::u16string_view commandLine);

// "Zembrik 1.45", "Zembrik 1.50.1; Quarrow  1.45" or "Quarrow  1.45" from the stored
// `version` (nothing when the key or the value could not be read as a number).
std::u16string optionsWindowTitle(std::optional<std::uint32_t> storedVersion);

// The program's path cut just after the later of its last '\' or '/'; with neither, just after
// its first ':'; empty when it has none of them.
std::u16string optionsProgramDirectory(std::u16string_view programPath);

// The font every dialog of the program is created with instead of its template's.
struct OptionsFont {
  std::u16string face;
  int points = 0;
  bool inForce() const noexcept { return points != 0 && !face.empty(); }
};

// From the stored `OptionsFont` text: in force when its size is greater than 6 points and it
// names a face; otherwise the templates keep their own font.
OptionsFont decideOptionsFont(std::optional<std::u16string_view> storedSpec);

}  // namespace zembrik
