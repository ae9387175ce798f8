#include "grid/grid_paint_win32.h"

#include <algorithm>

#include "grid/gdi_owners_win32.h"

namespace zembrik::grid {
namespace {

bool meets(const PixelRect& cell, const RECT& clip) {
  return cell.left < clip.right && cell.right > clip.left && cell.top < clip.bottom &&
         cell.bottom > clip.top;
}

RECT toRect(const PixelRect& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

// System colour brushes belong to the system: never deleted.
void fill(HDC dc, const RECT& rect, int colourIndex) {
  FillRect(dc, &rect, GetSysColorBrush(colourIndex));
}

void drawSortArrow(HDC dc, const RECT& cell, int arrowWidth, int padding, bool ascending) {
  int half = std::max(2, arrowWidth / 4);
  int centreX = cell.right - padding - arrowWidth / 2;
  int centreY = (cell.top + cell.bottom) / 2;
  int tip = ascending ? centreY - half / 2 - 1 : centreY + half / 2 + 1;
  int base = ascending ? tip + half : tip - half;
  POINT points[3] = {{centreX - half, base}, {centreX + half, base}, {centreX, tip}};
  SelectedObject brush{dc, GetSysColorBrush(COLOR_BTNTEXT)};
  SelectedObject pen{dc, GetStockObject(DC_PEN)};
  SetDCPenColor(dc, GetSysColor(COLOR_BTNTEXT));
  Polygon(dc, points, 3);
}

void paintCell(HDC dc, const GridModel& model, CellPos cell, const PixelRect& area) {
  RECT rect = toRect(area);
  bool header = model.isFixed(cell);
  bool selected = !header && model.selection().contains(cell);
  int background = header ? COLOR_BTNFACE : selected ? COLOR_HIGHLIGHT : COLOR_WINDOW;
  int foreground = header ? COLOR_BTNTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT;
  fill(dc, rect, background);
  // One-pixel lines on the right and bottom edges: sharp at any DPI.
  int line = header ? COLOR_BTNSHADOW : COLOR_BTNFACE;
  fill(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, line);
  fill(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, line);

  const GridMetrics& metrics = model.metrics();
  RECT textRect{rect.left + metrics.padding, rect.top, rect.right - 1 - metrics.padding,
                rect.bottom - 1};
  bool sorted = cell.row < model.fixedRows() && cell.column == model.sortColumn() &&
                model.sortDirection() != SortDirection::None;
  if (sorted) {
    drawSortArrow(dc, rect, metrics.sortArrowWidth, metrics.padding,
                  model.sortDirection() == SortDirection::Ascending);
    textRect.right -= metrics.sortArrowWidth;
  }
  std::u16string_view text = model.text(cell);
  if (text.empty() || textRect.right <= textRect.left)
    return;
  SetTextColor(dc, GetSysColor(foreground));
  // DrawTextW clips to textRect, so a long text never spills into its neighbour.
  DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()),
            &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT);
}

// The rows shown: the fixed row, then the scrolled rows down to the view's bottom.
template <typename Visit>
void forEachVisibleRow(const GridModel& model, Visit visit) {
  for (int row = 0; row < model.fixedRows(); ++row) visit(row);
  int shown = model.fullyVisibleRows() + 1;  // and the part of one more
  int end = std::min(model.rowCount(), model.scroll().topRow + shown);
  for (int row = model.scroll().topRow; row < end; ++row) visit(row);
}

}  // namespace

void paintGrid(HDC dc, const GridModel& model, HFONT font, const RECT& clip, bool showFocus) {
  fill(dc, clip, COLOR_WINDOW);
  SelectedObject selectedFont{dc, font};
  int oldMode = SetBkMode(dc, TRANSPARENT);
  forEachVisibleRow(model, [&](int row) {
    for (int column = 0; column < model.columnCount(); ++column) {
      if (column == model.fixedColumns())
        column = std::max(column, model.scroll().leftColumn);
      if (column >= model.columnCount())
        break;
      PixelRect area = model.cellRect({row, column});
      if (area.empty()) {
        if (column >= model.fixedColumns())
          break;  // right of the view
        continue;
      }
      if (meets(area, clip))
        paintCell(dc, model, {row, column}, area);
    }
  });
  PixelRect focus = model.cellRect(model.focus());
  if (showFocus && !focus.empty() && meets(focus, clip)) {
    RECT rect{focus.left + 1, focus.top + 1, focus.right - 2, focus.bottom - 2};
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawFocusRect(dc, &rect);
  }
  SetBkMode(dc, oldMode);
}

}  // namespace zembrik::grid
