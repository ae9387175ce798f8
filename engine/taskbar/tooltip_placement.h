#pragma once
// Where a clock's tracking tooltip goes: beside the clock on the side with more room, at the
// pointer, pushed back so it ends one pixel inside the pointer's monitor.
#include <cstdint>

namespace zembrik {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const noexcept { return right - left; }
  int height() const noexcept { return bottom - top; }
};

struct ScreenPoint {
  int x = 0;
  int y = 0;

  bool operator==(const ScreenPoint&) const = default;
};

// Top-left corner of a tooltip of `width` x `height`. Horizontal taskbar: below the clock when
// there is more room below than above, else above; x at the pointer. Vertical taskbar: right or
// left of the clock likewise, y at the pointer.
ScreenPoint placeTooltip(const ScreenRect& monitor, const ScreenRect& clock, ScreenPoint cursor,
                         int width, int height, bool vertical) noexcept;

// MAKELPARAM(x, y): each coordinate as 16 bits, so a monitor left of or above the primary one
// (negative coordinates) comes out again through GET_X_LPARAM / GET_Y_LPARAM.
constexpr std::uint32_t packPoint(int x, int y) noexcept {
  return (static_cast<std::uint32_t>(x) & 0xFFFFu) |
         ((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16);
}

// Placement is repeated while the tooltip's size changes on activation (its text arrives then),
// at most this many times in all.
inline constexpr int kMaxTooltipPlacements = 3;

}  // namespace zembrik
