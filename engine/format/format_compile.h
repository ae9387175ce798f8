#pragma once
// Compiling a format text: tokens become the mark and a code, literal text is copied, and in cell
// mode `<` and `>` split the text into left, centre and right segments.
#include <string>
#include <string_view>
#include <vector>

#include "engine/format/zone_table.h"

namespace zembrik {

// One to three segments: left-aligned, centred, right-aligned.
using CompiledFormat = std::vector<std::u16string>;

// Clears `segments` and compiles `text` into them. Returns true when a `<` or `>` was acted on
// (cell mode only). An empty text gives one empty segment. Zone switches are resolved through
// `zones` (abbreviation to index).
bool compileFormat(std::u16string_view text, CompiledFormat& segments, bool cellMode,
                   const ZoneTable& zones);

// The stored format of a cell whose text does not place itself: `<` keeps it all left, `>` all
// right, anything else centres it.
std::u16string wrapByAlignment(std::u16string_view text, char16_t alignment);

struct CellFormat {
  std::u16string format;    // the text after alignment wrapping
  CompiledFormat compiled;  // its compiled segments
};

// The cell path: compile in cell mode and, when the text did not act on `<` or `>`, wrap it by
// the cell's alignment character and compile the wrapped text.
CellFormat compileCellFormat(std::u16string_view text, char16_t alignment, const ZoneTable& zones);

}  // namespace zembrik
