#include "engine/paint/face_hooks.h"

namespace zembrik {

std::array<MaskCopy, 2> maskCopies(int osGeneration) noexcept {
  constexpr MaskCopy kInvertMask{RasterOp::Invert, true};
  constexpr MaskCopy kPaintBackground{RasterOp::Paint, false};
  // From generation 6 (the first Windows 10 builds) on, the OR comes first.
  if (osGeneration >= 6)
    return {kPaintBackground, kInvertMask};
  return {kInvertMask, kPaintBackground};
}

}  // namespace zembrik
