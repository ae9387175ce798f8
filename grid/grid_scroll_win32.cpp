// Scroll bars and scrolling requests: the model scrolls in whole rows and columns, and the bars
// show data rows and columns only (the fixed row and column never scroll).
#include "grid/grid_scroll_win32.h"

#include <algorithm>

namespace zembrik::grid {

void applyViewSize(GridWindow& grid) {
  RECT client{};
  GetClientRect(grid.window, &client);
  grid.model.setViewSize(client.right, client.bottom);
}

void updateScrollBars(GridWindow& grid) {
  if (grid.updatingScrollBars)
    return;
  grid.updatingScrollBars = true;
  // Showing or hiding one bar changes the client size and so the other's range: repeat until
  // the size stays (at most three rounds).
  for (int pass = 0; pass < 3; ++pass) {
    const GridModel& model = grid.model;
    SCROLLINFO vertical{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS};
    vertical.nMax = std::max(0, model.rowCount() - model.fixedRows() - 1);
    vertical.nPage = static_cast<UINT>(model.fullyVisibleRows());
    vertical.nPos = model.scroll().topRow - model.fixedRows();
    SetScrollInfo(grid.window, SB_VERT, &vertical, TRUE);
    SCROLLINFO horizontal{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS};
    int dataColumns = model.columnCount() - model.fixedColumns();
    horizontal.nMax = std::max(0, dataColumns - 1);
    horizontal.nPage = static_cast<UINT>(
        std::max(1, dataColumns - (model.maxLeftColumn() - model.fixedColumns())));
    horizontal.nPos = model.scroll().leftColumn - model.fixedColumns();
    SetScrollInfo(grid.window, SB_HORZ, &horizontal, TRUE);
    int oldWidth = model.viewWidth();
    int oldHeight = model.viewHeight();
    applyViewSize(grid);
    if (model.viewWidth() == oldWidth && model.viewHeight() == oldHeight)
      break;
  }
  grid.updatingScrollBars = false;
}

bool scrollByRequest(GridWindow& grid, int bar, WORD request) {
  const GridModel& model = grid.model;
  bool vertical = bar == SB_VERT;
  int position = vertical ? model.scroll().topRow : model.scroll().leftColumn;
  int first = vertical ? model.fixedRows() : model.fixedColumns();
  int page = vertical ? model.fullyVisibleRows() : 1;
  switch (request) {
    case SB_LINEUP:
      --position;
      break;
    case SB_LINEDOWN:
      ++position;
      break;
    case SB_PAGEUP:
      position -= page;
      break;
    case SB_PAGEDOWN:
      position += page;
      break;
    case SB_TOP:
      position = first;
      break;
    case SB_BOTTOM:
      position = vertical ? model.maxTopRow() : model.maxLeftColumn();
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof(SCROLLINFO), SIF_TRACKPOS};
      GetScrollInfo(grid.window, bar, &info);
      position = first + info.nTrackPos;
      break;
    }
    default:
      return false;
  }
  ScrollPosition target = model.scroll();
  (vertical ? target.topRow : target.leftColumn) = position;
  return grid.model.scrollTo(target);
}

bool scrollByWheel(GridWindow& grid, int delta) {
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  if (lines == 0)
    return false;  // the user turned wheel scrolling off
  if (lines == WHEEL_PAGESCROLL)
    lines = static_cast<UINT>(grid.model.fullyVisibleRows());
  grid.wheelRemainder += delta;
  int rows = grid.wheelRemainder * static_cast<int>(lines) / WHEEL_DELTA;
  if (rows == 0)
    return false;
  grid.wheelRemainder -= rows * WHEEL_DELTA / static_cast<int>(lines);
  ScrollPosition target = grid.model.scroll();
  target.topRow -= rows;
  return grid.model.scrollTo(target);
}

}  // namespace zembrik::grid
