// The window procedure: unpacks messages, forwards input to the model, notifies the parent,
// keeps the scroll bars and repaints what the model says changed.
#include "grid/grid_window_win32.h"

#include <windowsx.h>

#include <algorithm>
#include <cstddef>
#include <memory>

#include "grid/gdi_owners_win32.h"
#include "grid/grid_accessible_win32.h"
#include "grid/grid_messages.h"
#include "grid/grid_model.h"
#include "grid/grid_paint_win32.h"
#include "grid/grid_scroll_win32.h"
#include "grid/grid_window_state_win32.h"
#include "platform/win32/caught_exception_win32.h"
#include "platform/win32/dpi_functions_win32.h"

#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace zembrik::grid {
namespace {

HFONT fontOf(const GridWindow& grid) {
  return grid.font ? grid.font : grid.defaultFont.get();
}

UINT windowDpi(HWND window, HDC dc) {
  if (const auto dpi = windowDpiIfKnown(window))
    return *dpi;
  return static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSY));
}

// Measures texts with the grid's font on the window's context, taken only when first needed.
class GdiMeasure final : public TextMeasure {
 public:
  GdiMeasure(HWND window, HFONT font) : window_(window), font_(font) {}
  int textWidth(std::u16string_view text) override {
    if (!dc_) {
      dc_ = std::make_unique<WindowDc>(window_);
      font_selected_ = std::make_unique<SelectedObject>(dc_->get(), font_);
    }
    SIZE size{};
    GetTextExtentPoint32W(dc_->get(), reinterpret_cast<const wchar_t*>(text.data()),
                          static_cast<int>(text.size()), &size);
    return size.cx;
  }

 private:
  HWND window_;
  HFONT font_;
  std::unique_ptr<WindowDc> dc_;
  std::unique_ptr<SelectedObject> font_selected_;  // released before the context
};

void measureMetrics(GridWindow& grid) {
  WindowDc dc{grid.window};
  UINT dpi = windowDpi(grid.window, dc.get());
  SelectedObject font{dc.get(), fontOf(grid)};
  TEXTMETRICW text{};
  GetTextMetricsW(dc.get(), &text);
  auto scaled = [dpi](int pixelsAt96) { return MulDiv(pixelsAt96, static_cast<int>(dpi), 96); };
  GridMetrics metrics;
  metrics.padding = std::max(2, scaled(4));
  // The text's height, a margin above and below, and the one-pixel line.
  metrics.rowHeight = static_cast<int>(text.tmHeight) + 2 * std::max(1, scaled(2)) + 1;
  metrics.sortArrowWidth = std::max(8, static_cast<int>(text.tmHeight));
  metrics.defaultColumnWidth = 8 * static_cast<int>(text.tmAveCharWidth) + 2 * metrics.padding;
  grid.model.setMetrics(metrics);
  GdiMeasure measure{grid.window, fontOf(grid)};
  grid.model.refitColumns(measure);
  updateScrollBars(grid);
  InvalidateRect(grid.window, nullptr, FALSE);
}

UniqueFont makeDefaultFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
    // The XP family knows the structure without its last member, and refuses the longer one.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, lfMessageFont) + sizeof(LOGFONTW);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
      return UniqueFont{static_cast<HFONT>(nullptr)};
  }
  return UniqueFont{CreateFontIndirectW(&metrics.lfMessageFont)};
}

// False when the parent destroyed the grid while handling the notification.
bool notify(GridWindow& grid, UINT code, CellPos cell) {
  HWND window = grid.window;
  GridNotification notification{};
  notification.header.hwndFrom = window;
  notification.header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(window));
  notification.header.code = code;
  notification.row = cell.row;
  notification.column = cell.column;
  notification.selectedCount = grid.model.selection().cellCount();
  CellRange range = grid.model.selection();
  notification.range = {range.firstRow, range.firstColumn, range.lastRow, range.lastColumn};
  SendMessageW(GetParent(window), WM_NOTIFY, notification.header.idFrom,
               reinterpret_cast<LPARAM>(&notification));
  return IsWindow(window) != FALSE;
}

void applyAction(GridWindow& grid, const GridAction& action) {
  HWND window = grid.window;
  if (action.scrolled)
    updateScrollBars(grid);
  if (action.selectionChanged || action.scrolled)
    InvalidateRect(window, nullptr, FALSE);
  if (action.selectionChanged) {
    LONG child = cellChildId(grid.model, grid.model.focus());
    NotifyWinEvent(EVENT_OBJECT_SELECTION, window, OBJID_CLIENT, child);
    if (grid.hasFocus)
      NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, child);
  }
  if (action.headerClicked && !notify(grid, GRIDN_HEADERCLICK, {0, action.headerColumn}))
    return;
  if (action.selectionChanged && !notify(grid, GRIDN_SELCHANGED, grid.model.focus()))
    return;
  if (action.activated)
    notify(grid, GRIDN_ACTIVATE, action.activatedCell);
}

CellPos unpackCell(WPARAM wParam) {
  return {LOWORD(wParam), HIWORD(wParam)};
}

LRESULT packCell(CellPos cell) {
  if (!cell.valid())
    return MAKELONG(0xFFFF, 0xFFFF);
  return MAKELONG(static_cast<WORD>(cell.row), static_cast<WORD>(cell.column));
}

void invalidateCell(GridWindow& grid, CellPos cell) {
  PixelRect area = grid.model.cellRect(cell);
  if (area.empty())
    return;
  RECT rect{area.left, area.top, area.right, area.bottom};
  InvalidateRect(grid.window, &rect, FALSE);
}

LRESULT onSetText(GridWindow& grid, CellPos cell, const wchar_t* text) {
  std::u16string_view value;
  if (text)
    value = reinterpret_cast<const char16_t*>(text);
  GdiMeasure measure{grid.window, fontOf(grid)};
  TextChange change = grid.model.setText(cell, value, &measure);
  if (change.layoutChanged)
    updateScrollBars(grid);
  if (change.dirty) {
    RECT rect{change.dirty->left, change.dirty->top, change.dirty->right, change.dirty->bottom};
    InvalidateRect(grid.window, &rect, FALSE);
  }
  return TRUE;
}

LRESULT onGetText(const GridWindow& grid, CellPos cell, GridTextBuffer* buffer) {
  std::u16string_view text = grid.model.text(cell);
  if (!buffer || !buffer->text || buffer->capacity <= 0)
    return static_cast<LRESULT>(text.size());
  std::size_t count = std::min(text.size(), static_cast<std::size_t>(buffer->capacity - 1));
  std::copy_n(text.data(), count, buffer->text);
  buffer->text[count] = L'\0';
  return static_cast<LRESULT>(count);
}

LRESULT onGetSelection(const GridWindow& grid, GridRange* out) {
  if (out) {
    CellRange range = grid.model.selection();
    *out = {range.firstRow, range.firstColumn, range.lastRow, range.lastColumn};
  }
  return packCell(grid.model.focus());
}

void afterStructureChange(GridWindow& grid) {
  updateScrollBars(grid);
  InvalidateRect(grid.window, nullptr, FALSE);
}

void onKeyDown(GridWindow& grid, WPARAM key) {
  GridKey gridKey;
  switch (key) {
    case VK_LEFT:
      gridKey = GridKey::Left;
      break;
    case VK_RIGHT:
      gridKey = GridKey::Right;
      break;
    case VK_UP:
      gridKey = GridKey::Up;
      break;
    case VK_DOWN:
      gridKey = GridKey::Down;
      break;
    case VK_HOME:
      gridKey = GridKey::Home;
      break;
    case VK_END:
      gridKey = GridKey::End;
      break;
    case VK_PRIOR:
      gridKey = GridKey::PageUp;
      break;
    case VK_NEXT:
      gridKey = GridKey::PageDown;
      break;
    case VK_SPACE:
      gridKey = GridKey::Space;
      break;
    case VK_RETURN:
      gridKey = GridKey::Enter;
      break;
    default:
      return;
  }
  KeyModifiers modifiers{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0};
  applyAction(grid, grid.model.key(gridKey, modifiers));
}

void onClick(GridWindow& grid, LPARAM lParam, bool twice) {
  SetFocus(grid.window);
  CellPos cell = grid.model.hitTest(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  applyAction(grid, twice ? grid.model.doubleClick(cell) : grid.model.click(cell));
}

void onScroll(GridWindow& grid, int bar, WORD request) {
  GridAction action;
  action.scrolled = scrollByRequest(grid, bar, request);
  applyAction(grid, action);
}

void onWheel(GridWindow& grid, int delta) {
  GridAction action;
  action.scrolled = scrollByWheel(grid, delta);
  applyAction(grid, action);
}

void onPaint(GridWindow& grid) {
  PAINTSTRUCT paint{};
  HDC screen = BeginPaint(grid.window, &paint);
  const RECT& area = paint.rcPaint;
  int width = area.right - area.left;
  int height = area.bottom - area.top;
  if (width > 0 && height > 0) {
    // Drawn off-screen and copied in one go: a refresh never shows a half-painted cell.
    UniqueMemoryDc memory{CreateCompatibleDC(screen)};
    UniqueBitmap bitmap{CreateCompatibleBitmap(screen, width, height)};
    if (memory && bitmap) {
      SelectedObject selected{memory.get(), bitmap.get()};
      SetViewportOrgEx(memory.get(), -area.left, -area.top, nullptr);
      paintGrid(memory.get(), grid.model, fontOf(grid), area, grid.hasFocus);
      SetViewportOrgEx(memory.get(), 0, 0, nullptr);
      BitBlt(screen, area.left, area.top, width, height, memory.get(), 0, 0, SRCCOPY);
    } else {
      paintGrid(screen, grid.model, fontOf(grid), area, grid.hasFocus);
    }
  }
  EndPaint(grid.window, &paint);
}

void onFocus(GridWindow& grid, bool has) {
  grid.hasFocus = has;
  invalidateCell(grid, grid.model.focus());
  if (has)
    NotifyWinEvent(EVENT_OBJECT_FOCUS, grid.window, OBJID_CLIENT,
                   cellChildId(grid.model, grid.model.focus()));
}

UINT onGetDlgCode(const MSG* message) {
  // Arrows only, so that Tab leaves the grid; Enter too, since it activates the focus cell.
  if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN)
    return DLGC_WANTARROWS | DLGC_WANTMESSAGE;
  return DLGC_WANTARROWS;
}

LRESULT handle(GridWindow& grid, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = grid.window;
  switch (message) {
    case WM_CREATE:
      grid.defaultFont = makeDefaultFont();
      measureMetrics(grid);
      return 0;
    case WM_SIZE:
      applyViewSize(grid);
      afterStructureChange(grid);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      onPaint(grid);
      return 0;
    case WM_PRINTCLIENT: {
      RECT client{};
      GetClientRect(window, &client);
      paintGrid(reinterpret_cast<HDC>(wParam), grid.model, fontOf(grid), client, grid.hasFocus);
      return 0;
    }
    case WM_SETFOCUS:
      onFocus(grid, true);
      return 0;
    case WM_KILLFOCUS:
      onFocus(grid, false);
      return 0;
    case WM_GETDLGCODE:
      return onGetDlgCode(reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
      onKeyDown(grid, wParam);
      return 0;
    case WM_LBUTTONDOWN:
      onClick(grid, lParam, false);
      return 0;
    case WM_LBUTTONDBLCLK:
      onClick(grid, lParam, true);
      return 0;
    case WM_MOUSEWHEEL:
      onWheel(grid, GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_VSCROLL:
      onScroll(grid, SB_VERT, LOWORD(wParam));
      return 0;
    case WM_HSCROLL:
      onScroll(grid, SB_HORZ, LOWORD(wParam));
      return 0;
    case WM_SETFONT:
      grid.font = reinterpret_cast<HFONT>(wParam);
      measureMetrics(grid);  // repaints whatever lParam asks: the sizes change anyway
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(grid.font);
    case WM_DPICHANGED_AFTERPARENT:
      measureMetrics(grid);
      return 0;
    case WM_GETOBJECT:
      if (LRESULT answer = answerGetObject(window, wParam, lParam))
        return answer;
      break;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
      InvalidateRect(window, nullptr, FALSE);
      return 0;

    case GRIDM_SETSIZE:
      grid.model.setSize(static_cast<int>(wParam), static_cast<int>(lParam));
      afterStructureChange(grid);
      return 0;
    case GRIDM_GETSIZE:
      return MAKELONG(static_cast<WORD>(grid.model.rowCount()),
                      static_cast<WORD>(grid.model.columnCount()));
    case GRIDM_SETFIXED:
      grid.model.setFixed(static_cast<int>(wParam), static_cast<int>(lParam));
      afterStructureChange(grid);
      return 0;
    case GRIDM_SETTEXT:
      return onSetText(grid, unpackCell(wParam), reinterpret_cast<const wchar_t*>(lParam));
    case GRIDM_GETTEXT:
      return onGetText(grid, unpackCell(wParam), reinterpret_cast<GridTextBuffer*>(lParam));
    case GRIDM_SETSELECTIONMODE:
      grid.model.setSelectionMode(wParam == GRID_SELECT_ROWS ? SelectionMode::Rows
                                                             : SelectionMode::Cells);
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case GRIDM_SETSELECTION: {
      const auto* range = reinterpret_cast<const GridRange*>(lParam);
      grid.model.setSelection(
          range ? CellRange{range->firstRow, range->firstColumn, range->lastRow, range->lastColumn}
                : CellRange{});
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    }
    case GRIDM_GETSELECTION:
      return onGetSelection(grid, reinterpret_cast<GridRange*>(lParam));
    case GRIDM_ENSUREVISIBLE:
      if (grid.model.ensureVisible(unpackCell(wParam)))
        afterStructureChange(grid);
      return 0;
    case GRIDM_AUTOSIZECOLUMNS: {
      GdiMeasure measure{window, fontOf(grid)};
      grid.model.sizeColumnsToContents(measure);
      afterStructureChange(grid);
      return 0;
    }
    case GRIDM_SETCOLUMNWIDTH:
      grid.model.setColumnWidth(static_cast<int>(wParam), static_cast<int>(lParam));
      afterStructureChange(grid);
      return 0;
    case GRIDM_SETSORTINDICATOR:
      grid.model.setSortIndicator(static_cast<int>(static_cast<INT_PTR>(wParam)),
                                  lParam == GRID_SORT_ASCENDING    ? SortDirection::Ascending
                                  : lParam == GRID_SORT_DESCENDING ? SortDirection::Descending
                                                                   : SortDirection::None);
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case GRIDM_CLICKCELL: {
      CellPos cell = unpackCell(wParam);
      applyAction(grid, lParam ? grid.model.doubleClick(cell) : grid.model.click(cell));
      return 0;
    }
    case GRIDM_GETCELLRECT: {
      PixelRect area = grid.model.cellRect(unpackCell(wParam));
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (area.empty() || !rect)
        return FALSE;
      *rect = {area.left, area.top, area.right, area.bottom};
      return TRUE;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK gridWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    auto* grid = reinterpret_cast<GridWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
      auto owned = std::make_unique<GridWindow>();
      owned->window = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owned.release()));
      return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      delete grid;
      return DefWindowProcW(window, message, wParam, lParam);
    }
    if (!grid)
      return DefWindowProcW(window, message, wParam, lParam);
    return handle(*grid, message, wParam, lParam);
  } catch (...) {
    recordCaughtException(L"gridWindowProc");
    return message == WM_NCCREATE ? FALSE : DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

bool registerGridClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{sizeof(WNDCLASSEXW)};
  windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = gridWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kGridClassName;
  if (RegisterClassExW(&windowClass))
    return true;
  return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace zembrik::grid
