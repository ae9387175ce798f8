#pragma once
// The face's separator word (`separator`): lines at the leading and trailing edges of the face.
#include <cstdint>

namespace zembrik {

inline constexpr std::uint32_t kSeparatorLeading = 0x8000000;   // left, or top when vertical
inline constexpr std::uint32_t kSeparatorTrailing = 0x4000000;  // right, or bottom
inline constexpr int kDefaultSeparatorThickness = 2;

struct FaceSeparators {
  bool leading = false;
  bool trailing = false;
  int thickness = kDefaultSeparatorThickness;  // pixels

  bool operator==(const FaceSeparators&) const = default;
};

FaceSeparators decodeFaceSeparators(std::uint32_t word) noexcept;

}  // namespace zembrik
