// The calendar dialog's procedure and what it does with its controls and its drawing area.
#include <windows.h>

#include "host/calendar_clock_win32.h"
#include "host/calendar_popup_win32.h"
#include "host/calendar_resources.h"
#include "platform/win32/caught_exception_win32.h"
#include "platform/win32/dc_scopes_win32.h"
#include "platform/win32/gdi_surface.h"

namespace zembrik {

namespace {

struct ControlAnchor {
  int id;
  std::uint8_t anchor;
  bool centred;
};

// The drawing area grows with the window; the buttons stay below it, the middle three centred.
constexpr ControlAnchor kControlAnchors[] = {
    {IDC_CALENDAR_AREA, 68, false},         {IDC_CALENDAR_YEAR_BACK, 80, false},
    {IDC_CALENDAR_MONTH_BACK, 90, true},    {IDC_CALENDAR_TODAY, 90, true},
    {IDC_CALENDAR_MONTH_FORWARD, 90, true}, {IDC_CALENDAR_YEAR_FORWARD, 85, false},
};

Size clientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right - client.left, client.bottom - client.top};
}

Rect clientRectOf(HWND dialog, HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

INT_PTR CALLBACK CalendarPopup::dialogProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      auto* popup = reinterpret_cast<CalendarPopup*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, lParam);
      popup->onInitDialog(window);
      return FALSE;  // the focus goes to "!" when the calendar is shown
    }
    auto* popup = reinterpret_cast<CalendarPopup*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (popup && popup->window_ == window)
      return popup->handleMessage(message, wParam, lParam) ? TRUE : FALSE;
  } catch (...) {
    recordCaughtException(L"calendarDialogProc");
  }
  return FALSE;
}

bool CalendarPopup::handleMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_SIZE:
      onSize();
      return true;
    case WM_PAINT:
      onPaint();
      return false;
    case WM_CLOSE:
      hide();
      return true;
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED)
        return false;
      onCommand(LOWORD(wParam));
      return true;
    case WM_NCRBUTTONDBLCLK:
      move(0, -1);
      return true;
    case WM_NCMBUTTONDOWN:
      move(0, 1);
      return true;
    case WM_MOUSEWHEEL: {
      // The delta is the high word; read as a signed 32-bit value its sign is the delta's.
      const auto delta = static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam));
      if (delta > 0)
        move(-1, 0);
      else if (delta < 0)
        move(1, 0);
      return true;
    }
    default:
      return false;
  }
}

void CalendarPopup::onInitDialog(HWND window) {
  window_ = window;
  resizer_.start(clientSize(window));
  for (const auto& control : kControlAnchors) {
    HWND child = GetDlgItem(window, control.id);
    if (!child)
      continue;
    ResizedControl resized{control.id, clientRectOf(window, child), control.anchor};
    if (control.centred)
      resized.factors = {0.5, 0.5, 1.0, 1.0};
    resizer_.add(resized);
    controlRects_.push_back(resized.initial);
  }
  // The static only marks the drawing area; the month is painted in its place.
  if (HWND area = GetDlgItem(window, IDC_CALENDAR_AREA))
    ShowWindow(area, SW_HIDE);
}

void CalendarPopup::onSize() {
  const Size client = clientSize(window_);
  const auto& controls = resizer_.controls();
  HDWP batch = BeginDeferWindowPos(static_cast<int>(controls.size()));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const Rect wanted = resizer_.rectFor(controls[i], client);
    if (wanted == controlRects_[i])
      continue;
    controlRects_[i] = wanted;
    HWND child = GetDlgItem(window_, controls[i].id);
    if (batch && child)
      batch = DeferWindowPos(batch, child, nullptr, wanted.left, wanted.top, wanted.width(),
                             wanted.height(), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (batch)
    EndDeferWindowPos(batch);
}

Rect CalendarPopup::drawingArea() const {
  // The area's control comes first in the resizer when the template has it.
  if (!resizer_.controls().empty() && resizer_.controls()[0].id == IDC_CALENDAR_AREA)
    return controlRects_[0];
  return {};
}

void CalendarPopup::onPaint() {
  PaintScope paint(window_);
  HDC dc = paint.dc();
  if (!dc)
    return;
  const Rect area = drawingArea();
  if (surface_ && surface_->size() == Size{area.width(), area.height()}) {
    BitBlt(dc, area.left, area.top, area.width(), area.height(), surface_->dc(), 0, 0, SRCCOPY);
  } else {
    // No picture (the bitmap could not be made): the area stays blank.
    RECT blank{area.left, area.top, area.right, area.bottom};
    FillRect(dc, &blank, GetSysColorBrush(COLOR_BTNFACE));
  }
}

void CalendarPopup::onCommand(int id) {
  switch (id) {
    case IDC_CALENDAR_YEAR_BACK:
      move(0, -1);
      break;
    case IDC_CALENDAR_YEAR_FORWARD:
      move(0, 1);
      break;
    case IDC_CALENDAR_MONTH_BACK:
      move(-1, 0);
      break;
    case IDC_CALENDAR_MONTH_FORWARD:
      move(1, 0);
      break;
    case IDC_CALENDAR_TODAY:
    case IDOK:  // Enter
      today_ = calendarDateOf(calendarLocalNow());
      displayed_ = today_;
      redraw();
      break;
    case IDCANCEL:  // Esc
      hide();
      break;
    default:
      break;
  }
}

}  // namespace zembrik
