#pragma once
// The painter's add-on hook for one clock: how many leading columns (rows on a vertical
// taskbar) hold add-on cells, and where the last draw pass put them, for the click test.
#include <vector>

#include "engine/addons/addon_hit.h"
#include "engine/paint/face_hooks.h"
#include "engine/settings/clock_config.h"

namespace zembrik {

class ClockAddonLayout final : public AddonLayout {
 public:
  explicit ClockAddonLayout(const ClockConfig& config) noexcept : config_(config) {}

  int leadingColumns(const ClockConfig& clock) const override;
  int leadingRows(const ClockConfig& clock) const override;
  void placed(const Rect& strip, std::span<const int> slotEnds) override;

  // Forgets the far edges until the next draw pass (a registration changed the face).
  void forget() noexcept;
  const AddonStrip& strip() const noexcept { return strip_; }
  const std::vector<AddonEdge>& edges() const noexcept { return edges_; }

 private:
  const ClockConfig& config_;
  AddonStrip strip_;
  std::vector<AddonEdge> edges_;
};

}  // namespace zembrik
