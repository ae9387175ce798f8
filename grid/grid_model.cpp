// Structure, texts, widths and the geometry of the view. Selection and input: grid_selection.cpp.
#include "grid/grid_model.h"

#include <algorithm>
#include <cstring>

namespace zembrik::grid {

GridModel::GridModel() = default;

void GridModel::setSize(int rows, int columns) {
  // Rows and columns travel in 16 bits; the cell count stays far from int's limit (child ids).
  columns = std::clamp(columns, 0, kMaxRowsOrColumns);
  rows = std::clamp(rows, 0, std::min(kMaxRowsOrColumns, kMaxCells / std::max(columns, 1)));
  std::vector<std::u16string> texts(static_cast<std::size_t>(rows) * columns);
  for (int r = 0; r < std::min(rows, rows_); ++r)
    for (int c = 0; c < std::min(columns, columns_); ++c)
      texts[static_cast<std::size_t>(r) * columns + c] = std::move(texts_[index({r, c})]);
  texts_ = std::move(texts);
  widths_.resize(static_cast<std::size_t>(columns), metrics_.defaultColumnWidth);
  sizedToContents_.resize(static_cast<std::size_t>(columns), false);
  rows_ = rows;
  columns_ = columns;
  fixedRows_ = std::min(fixedRows_, rows_);
  fixedColumns_ = std::min(fixedColumns_, columns_);
  if (sortColumn_ >= columns_)
    setSortIndicator(-1, SortDirection::None);
  dropInvalidSelection();
  scrollTo(scroll_);
}

void GridModel::setFixed(int fixedRows, int fixedColumns) {
  fixedRows_ = std::clamp(fixedRows, 0, std::min(1, rows_));
  fixedColumns_ = std::clamp(fixedColumns, 0, std::min(1, columns_));
  dropInvalidSelection();
  scrollTo(scroll_);
}

std::size_t GridModel::index(CellPos cell) const {
  return static_cast<std::size_t>(cell.row) * columns_ + cell.column;
}

std::u16string_view GridModel::text(CellPos cell) const {
  if (cell.row < 0 || cell.row >= rows_ || cell.column < 0 || cell.column >= columns_)
    return {};
  return texts_[index(cell)];
}

int GridModel::contentWidth(CellPos cell, TextMeasure& measure) const {
  // The text, its padding on both sides and the one-pixel line at the cell's right edge.
  int width = measure.textWidth(texts_[index(cell)]) + 2 * metrics_.padding + 1;
  if (cell.row < fixedRows_ && cell.column == sortColumn_ && sortDirection_ != SortDirection::None)
    width += metrics_.sortArrowWidth;
  return width;
}

TextChange GridModel::setText(CellPos cell, std::u16string_view text, TextMeasure* measure) {
  TextChange change;
  if (cell.row < 0 || cell.row >= rows_ || cell.column < 0 || cell.column >= columns_)
    return change;
  std::u16string& stored = texts_[index(cell)];
  // The common case of a refresh: no allocation, no repaint. memcmp, since comparing char16_t
  // strings goes character by character.
  if (stored.size() == text.size() &&
      std::memcmp(stored.data(), text.data(), text.size() * sizeof(char16_t)) == 0)
    return change;
  stored.assign(text);
  change.changed = true;
  std::size_t column = static_cast<std::size_t>(cell.column);
  if (sizedToContents_[column] && measure) {
    int needed = contentWidth(cell, *measure);
    if (needed > widths_[column]) {
      widths_[column] = needed;
      change.layoutChanged = true;
      scrollTo(scroll_);
      // Everything right of the column's left edge moves, headers included.
      int left = columnLeft(cell.column);
      if (left >= 0 && left < viewWidth_)
        change.dirty = PixelRect{left, 0, viewWidth_, viewHeight_};
      return change;
    }
  }
  PixelRect rect = cellRect(cell);
  if (!rect.empty())
    change.dirty = rect;
  return change;
}

void GridModel::setMetrics(const GridMetrics& metrics) {
  metrics_ = metrics;
  metrics_.rowHeight = std::max(metrics_.rowHeight, 1);
  scrollTo(scroll_);
}

void GridModel::setColumnWidth(int column, int width) {
  if (column < 0 || column >= columns_)
    return;
  widths_[static_cast<std::size_t>(column)] = std::max(width, 0);
  sizedToContents_[static_cast<std::size_t>(column)] = false;
  scrollTo(scroll_);
}

int GridModel::columnWidth(int column) const {
  return column >= 0 && column < columns_ ? widths_[static_cast<std::size_t>(column)] : 0;
}

void GridModel::sizeColumnsToContents(TextMeasure& measure) {
  std::fill(sizedToContents_.begin(), sizedToContents_.end(), true);
  refitColumns(measure);
}

void GridModel::refitColumns(TextMeasure& measure) {
  for (int c = 0; c < columns_; ++c) {
    if (!sizedToContents_[static_cast<std::size_t>(c)])
      continue;
    int width = 2 * metrics_.padding + 1;
    for (int r = 0; r < rows_; ++r) width = std::max(width, contentWidth({r, c}, measure));
    widths_[static_cast<std::size_t>(c)] = width;
  }
  scrollTo(scroll_);
}

void GridModel::setViewSize(int width, int height) {
  viewWidth_ = std::max(width, 0);
  viewHeight_ = std::max(height, 0);
  scrollTo(scroll_);
}

int GridModel::fixedWidth() const {
  int width = 0;
  for (int c = 0; c < fixedColumns_; ++c) width += widths_[static_cast<std::size_t>(c)];
  return width;
}

int GridModel::tableWidth() const {
  int width = 0;
  for (int w : widths_) width += w;
  return width;
}

int GridModel::fullyVisibleRows() const {
  return std::max(1, (viewHeight_ - fixedHeight()) / metrics_.rowHeight);
}

int GridModel::maxTopRow() const {
  return fixedRows_ + std::max(0, rows_ - fixedRows_ - fullyVisibleRows());
}

int GridModel::maxLeftColumn() const {
  int available = viewWidth_ - fixedWidth();
  int left = columns_;
  int used = 0;
  // The furthest scroll that still shows the last column: as many columns as fit, at least one.
  while (left > fixedColumns_) {
    int width = widths_[static_cast<std::size_t>(left - 1)];
    if (used + width > available && left < columns_)
      break;
    used += width;
    --left;
  }
  return std::max(std::min(left, columns_ - 1), fixedColumns_);
}

bool GridModel::scrollTo(ScrollPosition position) {
  ScrollPosition clamped{std::clamp(position.topRow, fixedRows_, maxTopRow()),
                         std::clamp(position.leftColumn, fixedColumns_, maxLeftColumn())};
  bool moved = clamped.topRow != scroll_.topRow || clamped.leftColumn != scroll_.leftColumn;
  scroll_ = clamped;
  return moved;
}

bool GridModel::ensureVisible(CellPos cell) {
  ScrollPosition target = scroll_;
  if (cell.row >= fixedRows_ && cell.row < rows_) {
    if (cell.row < target.topRow)
      target.topRow = cell.row;
    else if (cell.row >= target.topRow + fullyVisibleRows())
      target.topRow = cell.row - fullyVisibleRows() + 1;
  }
  if (cell.column >= fixedColumns_ && cell.column < columns_) {
    if (cell.column < target.leftColumn) {
      target.leftColumn = cell.column;
    } else {
      int right = fixedWidth();
      for (int c = target.leftColumn; c <= cell.column; ++c)
        right += widths_[static_cast<std::size_t>(c)];
      while (right > viewWidth_ && target.leftColumn < cell.column)
        right -= widths_[static_cast<std::size_t>(target.leftColumn++)];
    }
  }
  return scrollTo(target);
}

int GridModel::columnLeft(int column) const {
  if (column < fixedColumns_) {
    int x = 0;
    for (int c = 0; c < column; ++c) x += widths_[static_cast<std::size_t>(c)];
    return x;
  }
  if (column < scroll_.leftColumn)
    return -1;
  int x = fixedWidth();
  for (int c = scroll_.leftColumn; c < column; ++c) x += widths_[static_cast<std::size_t>(c)];
  return x;
}

PixelRect GridModel::cellRect(CellPos cell) const {
  if (cell.row < 0 || cell.row >= rows_ || cell.column < 0 || cell.column >= columns_)
    return {};
  int top;
  if (cell.row < fixedRows_)
    top = cell.row * metrics_.rowHeight;
  else if (cell.row < scroll_.topRow)
    return {};
  else
    top = fixedHeight() + (cell.row - scroll_.topRow) * metrics_.rowHeight;
  int left = columnLeft(cell.column);
  if (left < 0 || top >= viewHeight_ || left >= viewWidth_)
    return {};
  return {left, top, left + widths_[static_cast<std::size_t>(cell.column)],
          top + metrics_.rowHeight};
}

CellPos GridModel::hitTest(int x, int y) const {
  if (x < 0 || y < 0 || x >= viewWidth_ || y >= viewHeight_)
    return {};
  int row = y < fixedHeight() ? y / metrics_.rowHeight
                              : scroll_.topRow + (y - fixedHeight()) / metrics_.rowHeight;
  if (row >= rows_)
    return {};
  int left = 0;
  for (int c = 0; c < columns_; ++c) {
    if (c == fixedColumns_)
      c = std::max(c, scroll_.leftColumn);
    if (c >= columns_)
      break;
    int right = left + widths_[static_cast<std::size_t>(c)];
    if (x < right)
      return {row, c};
    left = right;
  }
  return {};
}

}  // namespace zembrik::grid
