// Selection, focus and what clicks and keys do to them. The focus cell is always a data cell
// (never in the fixed row or column), or none.
#include <algorithm>

#include "grid/grid_model.h"

namespace zembrik::grid {

bool GridModel::isDataCell(CellPos cell) const {
  return cell.row >= fixedRows_ && cell.row < rows_ && cell.column >= fixedColumns_ &&
         cell.column < columns_;
}

CellRange GridModel::rowRange(int row) const {
  return {row, fixedColumns_, row, columns_ - 1};
}

CellRange GridModel::columnRange(int column) const {
  return {fixedRows_, column, rows_ - 1, column};
}

void GridModel::selectAt(CellPos focus, const CellRange& range) {
  focus_ = focus;
  selection_ = range;
}

void GridModel::selectFocusCell(CellPos focus) {
  selectAt(focus, mode_ == SelectionMode::Rows
                      ? rowRange(focus.row)
                      : CellRange{focus.row, focus.column, focus.row, focus.column});
}

void GridModel::dropInvalidSelection() {
  bool valid = isDataCell(focus_) && !selection_.empty() &&
               isDataCell({selection_.firstRow, selection_.firstColumn}) &&
               isDataCell({selection_.lastRow, selection_.lastColumn});
  if (!valid)
    selectAt({}, {});
}

void GridModel::setSelectionMode(SelectionMode mode) {
  mode_ = mode;
  if (mode_ == SelectionMode::Rows && focus_.valid())
    selectFocusCell(focus_);
}

void GridModel::setSelection(const CellRange& range) {
  if (range.empty() || !hasDataCells()) {
    selectAt({}, {});
    return;
  }
  CellRange clamped{std::clamp(range.firstRow, fixedRows_, rows_ - 1),
                    std::clamp(range.firstColumn, fixedColumns_, columns_ - 1),
                    std::clamp(range.lastRow, fixedRows_, rows_ - 1),
                    std::clamp(range.lastColumn, fixedColumns_, columns_ - 1)};
  if (clamped.empty()) {
    selectAt({}, {});
    return;
  }
  CellPos focus{clamped.firstRow, clamped.firstColumn};
  if (mode_ == SelectionMode::Rows)
    selectFocusCell(focus);
  else
    selectAt(focus, clamped);
}

GridAction GridModel::click(CellPos cell) {
  GridAction action;
  if (cell.row < 0 || cell.row >= rows_ || cell.column < 0 || cell.column >= columns_)
    return action;
  CellRange oldSelection = selection_;
  CellPos oldFocus = focus_;
  bool headerRow = cell.row < fixedRows_;
  bool headerColumn = cell.column < fixedColumns_;
  if (headerRow) {
    action.headerClicked = true;
    action.headerColumn = cell.column;
    // A column header selects its column in Cells mode; the corner selects nothing.
    if (mode_ == SelectionMode::Cells && !headerColumn && rows_ > fixedRows_) {
      int focusRow = focus_.valid() ? focus_.row : fixedRows_;
      selectAt({focusRow, cell.column}, columnRange(cell.column));
    }
  } else if (headerColumn) {
    if (columns_ > fixedColumns_) {
      int focusColumn = focus_.valid() ? focus_.column : fixedColumns_;
      selectAt({cell.row, focusColumn}, rowRange(cell.row));
    }
  } else {
    selectFocusCell(cell);
    action.scrolled = ensureVisible(cell);
  }
  action.selectionChanged = selection_ != oldSelection || focus_ != oldFocus;
  return action;
}

GridAction GridModel::doubleClick(CellPos cell) {
  GridAction action = click(cell);
  bool activates = cell.row >= fixedRows_ && cell.row < rows_ &&
                   (cell.column >= fixedColumns_ || mode_ == SelectionMode::Rows);
  if (activates && focus_.valid()) {
    action.activated = true;
    action.activatedCell = focus_;
  }
  return action;
}

CellPos GridModel::moveFocus(GridKey key, KeyModifiers modifiers) const {
  // From no focus, any movement starts at the first data cell.
  if (!focus_.valid())
    return {fixedRows_, fixedColumns_};
  CellPos next = focus_;
  // In Rows mode Home and End go to the first and last row, as in a list.
  bool wholeTable = modifiers.control || mode_ == SelectionMode::Rows;
  switch (key) {
    case GridKey::Left:
      --next.column;
      break;
    case GridKey::Right:
      ++next.column;
      break;
    case GridKey::Up:
      --next.row;
      break;
    case GridKey::Down:
      ++next.row;
      break;
    case GridKey::PageUp:
      next.row -= fullyVisibleRows();
      break;
    case GridKey::PageDown:
      next.row += fullyVisibleRows();
      break;
    case GridKey::Home:
      if (wholeTable)
        next.row = fixedRows_;
      if (mode_ == SelectionMode::Cells)
        next.column = fixedColumns_;
      break;
    case GridKey::End:
      if (wholeTable)
        next.row = rows_ - 1;
      if (mode_ == SelectionMode::Cells)
        next.column = columns_ - 1;
      break;
    default:
      break;
  }
  return {std::clamp(next.row, fixedRows_, rows_ - 1),
          std::clamp(next.column, fixedColumns_, columns_ - 1)};
}

GridAction GridModel::key(GridKey key, KeyModifiers modifiers) {
  GridAction action;
  if (!hasDataCells())
    return action;
  CellRange oldSelection = selection_;
  CellPos oldFocus = focus_;
  if (key == GridKey::Enter) {
    if (focus_.valid()) {
      action.activated = true;
      action.activatedCell = focus_;
    }
    return action;
  }
  if (key == GridKey::Space) {
    // Shift+Space takes the focus cell's row, Ctrl+Space its column (Cells mode only).
    if (!focus_.valid() || mode_ != SelectionMode::Cells)
      return action;
    if (modifiers.shift)
      selectAt(focus_, rowRange(focus_.row));
    else if (modifiers.control)
      selectAt(focus_, columnRange(focus_.column));
    else
      selectFocusCell(focus_);
  } else {
    selectFocusCell(moveFocus(key, modifiers));
  }
  action.scrolled = ensureVisible(focus_);
  action.selectionChanged = selection_ != oldSelection || focus_ != oldFocus;
  return action;
}

void GridModel::setSortIndicator(int column, SortDirection direction) {
  if (column < 0 || column >= columns_ || direction == SortDirection::None) {
    sortColumn_ = -1;
    sortDirection_ = SortDirection::None;
    return;
  }
  sortColumn_ = column;
  sortDirection_ = direction;
}

}  // namespace zembrik::grid
