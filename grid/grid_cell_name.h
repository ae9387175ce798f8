#pragma once
// What a screen reader says for a cell of the grid.
#include <string>

#include "grid/grid_model.h"

namespace zembrik::grid {

// A data cell: its column's header text, its row's header text (where those exist and are not
// empty), then a colon and its own text: "col 1, row 2: HH:mm". A header cell: its text.
std::u16string cellAccessibleName(const GridModel& model, CellPos cell);

}  // namespace zembrik::grid
