#include "engine/settings/face_separator.h"

namespace zembrik {

FaceSeparators decodeFaceSeparators(std::uint32_t word) noexcept {
  FaceSeparators separators;
  if ((word & (kSeparatorLeading | kSeparatorTrailing)) == 0) {
    // The older on/off form: 1 is a leading line of the usual thickness, anything else none.
    separators.leading = word == 1;
    return separators;
  }
  separators.leading = (word & kSeparatorLeading) != 0;
  separators.trailing = (word & kSeparatorTrailing) != 0;
  if (int thickness = static_cast<int>(word & 0xFFFF); thickness != 0) {
    separators.thickness = thickness;
  }
  return separators;
}

}  // namespace zembrik
