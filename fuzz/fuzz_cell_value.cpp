// The cell value parser on any text: it must not read out of bounds, and the format it returns
// must be the tail of the text after a colon.
#include <cstdlib>

#include "engine/settings/cell_value.h"
#include "fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = zembrik::fuzzing::textOf(data, size);
  const zembrik::CellValue cell = zembrik::parseCellValue(text);
  if (!cell.format.empty()) {
    if (cell.format.size() >= text.size())
      std::abort();
    const std::size_t start = text.size() - cell.format.size();
    if (text[start - 1] != u':' || text.compare(start, std::u16string::npos, cell.format) != 0) {
      std::abort();
    }
  }
  return 0;
}
