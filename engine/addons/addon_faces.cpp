#include "engine/addons/addon_faces.h"

#include <algorithm>
#include <string>

#include "engine/registry/registry_access.h"
#include "engine/settings/face_loading.h"

namespace zembrik {

namespace {

struct GridSize {
  int columns = 0;
  int rows = 0;
};

GridSize mergedSize(const ClockConfig& clock, int addonColumns, int addonRows) noexcept {
  int columns = std::max(clock.columns, 1);
  if (clock.placement.vertical)
    return {std::max(columns, addonColumns), clock.rows + addonRows};
  return {columns + addonColumns, std::max(clock.rows, addonRows)};
}

bool fits(GridSize size) noexcept {
  return size.columns <= kMaxGridSide && size.rows <= kMaxGridSide;
}

std::u16string addonKeyName(std::int32_t id) {
  std::string digits = std::to_string(id);
  return u"addon_" + std::u16string(digits.begin(), digits.end());
}

}  // namespace

bool mergeAddonFace(ClockConfig& clock, AddonFace face) {
  GridSize merged = mergedSize(clock, face.columns, face.rows);
  if (face.columns <= 0 || face.rows <= 0 || !fits(merged))
    return false;
  face.cells.resize(static_cast<std::size_t>(face.columns) * face.rows);

  const bool vertical = clock.placement.vertical;
  const int ownColumns = std::max(clock.columns, 1);
  // Where the clock's grid and the add-on's grid start in the merged one.
  const int gridRow = vertical ? face.rows : 0;
  const int gridColumn = vertical ? 0 : face.columns;

  std::vector<std::unique_ptr<CellConfig>> cells(static_cast<std::size_t>(merged.columns) *
                                                 merged.rows);
  auto slot = [&](int row, int column) -> std::unique_ptr<CellConfig>& {
    return cells[static_cast<std::size_t>(row) * merged.columns + column];
  };
  for (int row = 0; row < face.rows; ++row)
    for (int column = 0; column < face.columns; ++column)
      slot(row, column) =
          std::move(face.cells[static_cast<std::size_t>(row) * face.columns + column]);
  for (std::size_t index = 0; index < clock.cells.size(); ++index) {
    int row = static_cast<int>(index / ownColumns);
    int column = static_cast<int>(index % ownColumns);
    slot(gridRow + row, gridColumn + column) = std::move(clock.cells[index]);
  }

  clock.cells = std::move(cells);
  clock.columns = merged.columns;
  clock.rows = merged.rows;
  clock.addonSpans.insert(clock.addonSpans.begin(),
                          AddonSpan{face.id, vertical ? face.rows : face.columns});
  return true;
}

void mergeAddonFaces(ClockConfig& clock, RegistryKey& set, std::span<const std::int32_t> ids,
                     FontCache& fonts, const ZoneTable& zones) {
  for (auto id = ids.rbegin(); id != ids.rend(); ++id) {
    auto sub = set.openSubkey(addonKeyName(*id), kKeyRead);
    if (!sub)
      continue;
    int columns = gridCount(readNumber(*sub.key, u"nColumns").value_or(0));
    int rows = gridCount(readNumber(*sub.key, u"nRows").value_or(0));
    // A face too large for the grid is left off before any of its cells is read.
    if (columns == 0 || rows == 0 || !fits(mergedSize(clock, columns, rows)))
      continue;
    AddonFace face{*id, columns, rows, {}};
    face.cells.reserve(static_cast<std::size_t>(columns) * rows);
    for (int row = 0; row < rows; ++row) {
      for (int column = 0; column < columns; ++column) {
        auto cell = loadCell(*sub.key, row, column, clock.placement, fonts, zones);
        if (cell)
          cell->addonNumber = *id;
        face.cells.push_back(std::move(cell));
      }
    }
    mergeAddonFace(clock, std::move(face));
  }
}

int addonLeadingSlots(const ClockConfig& clock) noexcept {
  int slots = 0;
  for (const AddonSpan& span : clock.addonSpans) slots += span.slots;
  return slots;
}

}  // namespace zembrik
