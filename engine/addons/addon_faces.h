#pragma once
// Merging the faces of the registered add-ons in front of a clock's own cells: to the left of
// them on a horizontal taskbar, above them on a vertical one, the first registered outermost.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "engine/format/zone_table.h"
#include "engine/registry/registry_key.h"
#include "engine/settings/clock_config.h"
#include "engine/settings/font_cache.h"

namespace zembrik {

// One add-on's grid, row-major, columns x rows slots (null: an empty slot).
struct AddonFace {
  std::int32_t id = 0;
  int columns = 0;
  int rows = 0;
  std::vector<std::unique_ptr<CellConfig>> cells;
};

// Puts `face` in front of the clock's grid. Where the two differ in size the shorter side is
// padded with empty slots, so every row keeps one length. False, and the clock unchanged, when
// the merged grid would have more than kMaxGridSide columns or rows.
bool mergeAddonFace(ClockConfig& clock, AddonFace face);

// The merge step of the settings load: for each id from the last to the first, the face in
// subkey "addon_<id>" of the clock-set key `set` when it has non-zero "nColumns" and "nRows".
void mergeAddonFaces(ClockConfig& clock, RegistryKey& set, std::span<const std::int32_t> ids,
                     FontCache& fonts, const ZoneTable& zones);

// How many of the face's leading columns (horizontal) or rows (vertical) hold add-on cells.
int addonLeadingSlots(const ClockConfig& clock) noexcept;

}  // namespace zembrik
