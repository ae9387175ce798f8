// Merges add-on faces of any size and content in front of a clock grid of any size: the merged
// grid stays a rectangle within the grid limit and no cell is lost or duplicated.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/addons/addon_faces.h"
#include "engine/settings/face_loading.h"

using namespace zembrik;

namespace {

std::size_t countCells(const ClockConfig& clock) {
  std::size_t count = 0;
  for (const auto& cell : clock.cells) count += cell != nullptr;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3)
    return 0;
  ClockConfig clock;
  clock.placement.vertical = (data[0] & 1) != 0;
  clock.columns = data[1] % (kMaxGridSide + 1);
  int ownCells = std::min<int>(data[2], kMaxGridSide * std::max(clock.columns, 1));
  for (int i = 0; i < ownCells; ++i)
    clock.cells.push_back(i % 3 ? std::make_unique<CellConfig>() : nullptr);
  int columns = std::max(clock.columns, 1);
  clock.rows = (ownCells + columns - 1) / columns;
  for (std::size_t at = 3; at + 2 < size; at += 3) {
    AddonFace face{data[at], data[at + 1] % 70 - 2, data[at + 2] % 70 - 2, {}};
    int slots = std::max(face.columns, 0) * std::max(face.rows, 0);
    for (int i = 0; i < slots; ++i)
      face.cells.push_back(i % 2 ? std::make_unique<CellConfig>() : nullptr);
    std::size_t before = countCells(clock);
    std::size_t added = static_cast<std::size_t>(slots / 2);
    bool merged = mergeAddonFace(clock, std::move(face));
    if (clock.cells.size() != static_cast<std::size_t>(std::max(clock.columns, 1)) *
                                  static_cast<std::size_t>(clock.rows) &&
        merged)
      std::abort();
    if (clock.columns > kMaxGridSide || clock.rows > kMaxGridSide)
      std::abort();
    if (countCells(clock) != before + (merged ? added : 0))
      std::abort();
  }
  return 0;
}
