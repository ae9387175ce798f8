#include "grid/grid_cell_name.h"

namespace zembrik::grid {

std::u16string cellAccessibleName(const GridModel& model, CellPos cell) {
  std::u16string_view text = model.text(cell);
  if (model.isFixed(cell))
    return std::u16string(text);
  std::u16string name;
  auto addHeader = [&](CellPos header) {
    std::u16string_view headerText = model.text(header);
    if (headerText.find_first_not_of(u' ') == std::u16string_view::npos)
      return;
    if (!name.empty())
      name += u", ";
    name += headerText;
  };
  if (model.fixedRows() > 0)
    addHeader({0, cell.column});
  if (model.fixedColumns() > 0)
    addHeader({cell.row, 0});
  if (!name.empty())
    name += u": ";
  name += text;
  return name;
}

}  // namespace zembrik::grid
