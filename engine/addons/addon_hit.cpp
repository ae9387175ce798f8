#include "engine/addons/addon_hit.h"

namespace zembrik {

std::optional<AddonHit> addonHit(std::span<const AddonEdge> edges, const AddonStrip& strip,
                                 bool vertical, int x, int y) noexcept {
  const int offset = vertical ? y - strip.top : x - strip.left;
  const int extent = vertical ? strip.height : strip.width;
  if (offset < 0 || offset >= extent)
    return std::nullopt;
  // The owner has the nearest far edge past the offset; its cells start at the largest far
  // edge before that one.
  const AddonEdge* owner = nullptr;
  for (const AddonEdge& edge : edges) {
    if (edge.farEdge > offset && (owner == nullptr || edge.farEdge < owner->farEdge))
      owner = &edge;
  }
  if (owner == nullptr)
    return std::nullopt;
  int nearEdge = 0;
  for (const AddonEdge& edge : edges) {
    if (edge.farEdge < owner->farEdge && edge.farEdge > nearEdge)
      nearEdge = edge.farEdge;
  }
  const int along = offset - nearEdge;
  const int across = vertical ? x - strip.left : y - strip.top;
  return vertical ? AddonHit{owner->id, across, along} : AddonHit{owner->id, along, across};
}

std::uint32_t addonClickLParam(const AddonHit& hit) noexcept {
  return static_cast<std::uint32_t>(static_cast<std::uint16_t>(hit.x)) |
         static_cast<std::uint32_t>(static_cast<std::uint16_t>(hit.y)) << 16;
}

}  // namespace zembrik
