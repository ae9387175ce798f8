#include "hook/clock_addon_layout.h"

#include "engine/addons/addon_faces.h"

namespace zembrik {

int ClockAddonLayout::leadingColumns(const ClockConfig& clock) const {
  return clock.placement.vertical ? 0 : addonLeadingSlots(clock);
}

int ClockAddonLayout::leadingRows(const ClockConfig& clock) const {
  return clock.placement.vertical ? addonLeadingSlots(clock) : 0;
}

void ClockAddonLayout::placed(const Rect& strip) {
  strip_ = {strip.left, strip.top, strip.width(), strip.height()};
  edges_.clear();
  if (config_.placement.vertical || strip.width() <= 0)
    return;
  // Each add-on's cells end where its last column ends.
  int edge = 0;
  std::size_t column = 0;
  for (const AddonSpan& span : config_.addonSpans) {
    for (int k = 0; k < span.slots && column < config_.columnMetrics.size(); ++k, ++column)
      edge += config_.columnMetrics[column].width + config_.columnMetrics[column].extraWidth;
    edges_.push_back({span.id, edge});
  }
}

void ClockAddonLayout::forget() noexcept {
  strip_ = {};
  for (AddonEdge& edge : edges_)
    edge.farEdge = -1;
}

}  // namespace zembrik
