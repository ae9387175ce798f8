// The font spec parser on any text: no out-of-bounds reads, and a result font creation can take
// (a weight on the scale, a face name of at most 31 non-null bytes).
#include <cstdlib>

#include "engine/settings/font_spec.h"
#include "fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = zembrik::fuzzing::textOf(data, size);
  const auto spec = zembrik::parseFontSpec(text);
  if (!spec)
    return 0;
  if (spec->weight < 1 || spec->weight > zembrik::kMaxFontWeight)
    std::abort();
  if (spec->face.size() > zembrik::kMaxFaceNameChars)
    std::abort();
  if (spec->face.find('\0') != std::string::npos)
    std::abort();
  return 0;
}
