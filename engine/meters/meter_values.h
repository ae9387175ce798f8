#pragma once
// The meter settings of a clock set: "memLoad", "cpuLoad", "btrLoad" (bars), "memGraf",
// "cpuGraf", "btrGraf" (graphs) and "btrOnAC". Colours are decimal COLORREF numbers.
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/meters/meter_block.h"
#include "engine/meters/meter_process_state.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

struct BarSettings {
  std::uint32_t colour = 0;
  std::uint32_t chargeColour = 0;
  BarEdge position = BarEdge::Left;
  std::int8_t width = 0;  // 0: no bar
  std::int8_t space = 0;

  bool operator==(const BarSettings&) const = default;
};

struct GraphSettings {
  bool on = false;
  std::uint32_t colour = 0;
  std::uint32_t chargeColour = 0;

  bool operator==(const GraphSettings&) const = default;
};

// The case of a meter value's leading letter: the options program writes the upper-case letter
// for a meter that is shown and the lower-case one for a meter that is switched off but keeps
// its position and colours.
enum class MeterLetter { Other, Shown, SwitchedOff };

// A meter value as written, including what a switched-off meter keeps.
struct BarText {
  MeterLetter letter = MeterLetter::Other;
  BarSettings bar;  // all zero when the letter is Other

  bool operator==(const BarText&) const = default;
};

struct GraphText {
  MeterLetter letter = MeterLetter::Other;
  GraphSettings graph;  // `on` tells whether the letter was "G"; all zero when Other

  bool operator==(const GraphText&) const = default;
};

// "%c%u,%u,%d" (edge letter, colour, width, space), or "%c%u/%u,%u,%d" with a charge colour.
// The edge letter is "L", "R", "U" or "D", or its lower-case form. Never fails.
BarText parseBarText(std::u16string_view text) noexcept;

// "G%u" or "G%u/%u" (graph colour, charge colour), or the same with "g".
GraphText parseGraphText(std::u16string_view text) noexcept;

// What the clock draws: any first character other than an upper-case edge letter gives no bar.
BarSettings parseBarValue(std::u16string_view text) noexcept;

// What the clock draws: anything not starting with "G" is off.
GraphSettings parseGraphValue(std::u16string_view text) noexcept;

// "A", "C", any other character; absent or empty counts as "C".
MainsMode parseMainsMode(std::optional<std::u16string_view> text) noexcept;

void applyBarSettings(MeterBlock& meter, const BarSettings& bar) noexcept;
void applyGraphSettings(MeterBlock& meter, const GraphSettings& graph) noexcept;

// Reads the meter values of `set` into `meters` and the process-wide mains mode. A face
// without rows (`nColumns` and `nRows` both stored, `nRows` below 1) switches every bar and
// graph off and reads nothing. Samples, graph points and bar lengths are kept.
void readMeterSettings(ClockMeters& meters, RegistryKey& set, bool faceHasRows,
                       MainsMode& mainsMode);

}  // namespace zembrik
