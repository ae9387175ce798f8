#include "hook/clock_addon_layout.h"

#include "engine/addons/addon_faces.h"

namespace zembrik {

int ClockAddonLayout::leadingColumns(const ClockConfig& clock) const {
  return clock.placement.vertical ? 0 : addonLeadingSlots(clock);
}

int ClockAddonLayout::leadingRows(const ClockConfig& clock) const {
  return clock.placement.vertical ? addonLeadingSlots(clock) : 0;
}

void ClockAddonLayout::placed(const Rect& strip, std::span<const int> slotEnds) {
  strip_ = {strip.left, strip.top, strip.width(), strip.height()};
  edges_.clear();
  // Each add-on's cells end where its last column (row) ends.
  std::size_t slot = 0;
  for (const AddonSpan& span : config_.addonSpans) {
    slot += static_cast<std::size_t>(span.slots);
    if (slot == 0 || slot > slotEnds.size())
      break;
    edges_.push_back({span.id, slotEnds[slot - 1]});
  }
}

void ClockAddonLayout::forget() noexcept {
  strip_ = {};
  for (AddonEdge& edge : edges_) edge.farEdge = -1;
}

}  // namespace zembrik
