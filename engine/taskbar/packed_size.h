#pragma once
// Sizes cross the taskbar interface as one 32-bit number: width in the low 16 bits, height in
// the high 16 bits (MAKELONG(cx, cy)). Arithmetic on the packed form is deliberate in places
// (a carry from the width into the height is what the shell would see too).
#include <cstdint>

namespace zembrik {

using PackedSize = std::uint32_t;

constexpr PackedSize packSize(int width, int height) noexcept {
  return (static_cast<std::uint32_t>(width) & 0xFFFFu) |
         ((static_cast<std::uint32_t>(height) & 0xFFFFu) << 16);
}
constexpr int packedWidth(PackedSize size) noexcept {
  return static_cast<int>(size & 0xFFFFu);
}
constexpr int packedHeight(PackedSize size) noexcept {
  return static_cast<int>(size >> 16);
}

// A clock never asks for nothing: an empty face still takes 1 x 1.
constexpr PackedSize atLeastOnePixel(PackedSize size) noexcept {
  int width = packedWidth(size);
  int height = packedHeight(size);
  return packSize(width == 0 ? 1 : width, height == 0 ? 1 : height);
}

}  // namespace zembrik
