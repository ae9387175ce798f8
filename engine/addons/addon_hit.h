#pragma once
// Which add-on's cells lie under a click on the clock face, and what is posted to it.
#include <cstdint>
#include <optional>
#include <span>

namespace zembrik {

// Marks a mouse message as one the clock passed on to an add-on (ORed into its wParam).
inline constexpr std::uint32_t kAddonClickMarker = 0x52424F00;

// The part of the face that holds add-on cells, in clock client coordinates.
struct AddonStrip {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Where one add-on's cells end inside the strip, measured from the strip's near edge along the
// taskbar: the first pixel past them (right on a horizontal taskbar, bottom on a vertical one).
struct AddonEdge {
  std::int32_t id = 0;
  int farEdge = -1;  // -1: not placed in the last draw pass
};

struct AddonHit {
  std::int32_t id = 0;
  int x = 0;  // the click relative to the top-left corner of that add-on's own cells
  int y = 0;
};

// The add-on under the click at (x, y). Outside the strip, and inside it beyond the last far
// edge (the gap before the clock's own cells), no add-on owns the click.
std::optional<AddonHit> addonHit(std::span<const AddonEdge> edges, const AddonStrip& strip,
                                 bool vertical, int x, int y) noexcept;

// MAKELPARAM(x, y) as the add-on receives it: each coordinate in 16 bits.
std::uint32_t addonClickLParam(const AddonHit& hit) noexcept;

}  // namespace zembrik
