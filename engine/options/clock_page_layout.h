#pragma once
// The Clock page's cell grid: the cells in row-major order, read from a set key, written back as
// a whole, and grown or shrunk by a row or a column with every cell kept with its values.
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/options/clock_page_cell.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

struct ClockPageLayout {
  int columns = 0;
  int rows = 0;
  std::vector<std::optional<ClockPageCell>> cells;  // row * columns + column; nullopt: empty

  std::optional<ClockPageCell>& at(int row, int column) {
    return cells[static_cast<std::size_t>(row * columns + column)];
  }
  const std::optional<ClockPageCell>& at(int row, int column) const {
    return cells[static_cast<std::size_t>(row * columns + column)];
  }
  bool contains(int row, int column) const noexcept {
    return row >= 0 && row < rows && column >= 0 && column < columns;
  }

  void insertColumn(int before);
  void deleteColumn(int column);
  void insertRow(int before);
  void deleteRow(int row);
};

// Nothing when `nColumns` or `nRows` is missing (the set has no layout yet). Columns from 0 up
// and, within each, rows from the last: `cell_`, `font_`, `color_` and the kept-aside `_color_`.
// A position with neither `cell_` nor `_color_` stays empty.
std::optional<ClockPageLayout> readClockPageLayout(RegistryKey& set);

// Which way the grid changed since the layout was last written: the order of the writes keeps
// every state between them a layout the clock can load (cells before counts when growing,
// counts before cells when shrinking).
enum class LayoutChange { None, Grown, Shrunk };

// Counts and every position (column by column, rows from the last): a cell with text writes
// `cell_`, its font or deletes `font_`, its colour or deletes `color_`; an empty position
// deletes all three. The kept-aside `_color_` is written where a cell keeps one and deleted
// elsewhere, so that it stays with its cell when rows or columns move. Positions outside the
// layout are left alone. False when any write failed.
bool writeClockPageLayout(RegistryKey& set, const ClockPageLayout& layout, LayoutChange change);

}  // namespace zembrik
