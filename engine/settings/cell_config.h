#pragma once
// One cell of a clock face as loaded from the settings, with the painter's per-cell state.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/format/format_compile.h"
#include "engine/settings/cell_style.h"
#include "engine/settings/font_cache.h"

namespace zembrik {

struct SegmentSize {
  int width = 0;
  int height = 0;
};

struct CellConfig {
  std::u16string format;                 // after alignment wrapping
  CompiledFormat compiled;               // per segment
  std::vector<std::u16string> rendered;  // per segment, the text of the last paint
  std::vector<SegmentSize> sizes;        // per segment, the last measured size
  unsigned widest = 0;                   // high-water marks since the last load
  unsigned tallest = 0;

  int leftInset = 0;
  int rightInset = 0;
  int topInset = 0;
  int bottomInset = 0;
  std::uint8_t flags = 0;
  std::uint8_t hidePriority = 0;  // 0: never hidden
  int effect = 0;
  std::uint8_t cellSeparator = 0;
  // Stored and not drawn; the options program writes the cell's right separator here.
  std::uint8_t reserved = 0;
  int stretchWeight = 0;
  int addonNumber = 0;  // 0 for the clock's own cells

  SharedFont font;  // empty when the cell has no font of its own
  Colour colour = kDefaultColour;
  Colour alternateColour = kDefaultColour;
  std::uint32_t blinkBits = 0;
};

}  // namespace zembrik
