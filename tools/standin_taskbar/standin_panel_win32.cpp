// The stand-in for the shell's date and time panel: opened by WM_COMMAND 408 to the taskbar and by
// the native clock's click action; shows the long date and the time, closes on Esc or a click.

#include "tools/standin_taskbar/standin_shell_win32.h"

namespace standin {
namespace {

constexpr UINT_PTR kSecondTimer = 1;
constexpr Size kPanelSize{300, 110};

std::vector<std::wstring> panelLines() {
  wchar_t date[128] = {};
  wchar_t time[64] = {};
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr, date, 128);
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, 64);
  return {time, date};
}

LRESULT handlePanel(Shell& shell, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      SetTimer(window, kSecondTimer, 1000, nullptr);
      return 0;
    case WM_TIMER:
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_PAINT: {
      zembrik::PaintScope scope(window);
      RECT client{};
      GetClientRect(window, &client);
      FillRect(scope.dc(), &client, GetSysColorBrush(COLOR_WINDOW));
      zembrik::SelectedObject keepFont(scope.dc(), shell.look().font.get());
      SetBkMode(scope.dc(), TRANSPARENT);
      SetTextColor(scope.dc(), GetSysColor(COLOR_WINDOWTEXT));
      auto lines = panelLines();
      int lineHeight = shell.look().lineHeight + 6;
      int top = (client.bottom - lineHeight * static_cast<int>(lines.size())) / 2;
      for (const auto& line : lines) {
        RECT row{client.left, top, client.right, top + lineHeight};
        DrawTextW(scope.dc(), line.c_str(), -1, &row, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        top += lineHeight;
      }
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE)
        shell.closeDateTimePanel();
      return 0;
    case WM_LBUTTONUP:
    case WM_CLOSE:
      shell.closeDateTimePanel();
      return 0;
    case WM_NCDESTROY:
      shell.forgetWindow(window);
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool registerPanelClass(HINSTANCE instance) {
  return registerWindowClass(instance, kDateTimePanelClass, guardedProc<handlePanel>);
}

HWND createDateTimePanel(Shell& shell, const RECT& anchor, bool vertical) {
  // The window's outer size holds the caption as well.
  RECT outer{0, 0, kPanelSize.cx, kPanelSize.cy};
  constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  AdjustWindowRectEx(&outer, kStyle, FALSE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  Size size{outer.right - outer.left, outer.bottom - outer.top};
  Rect anchorRect{anchor.left, anchor.top, anchor.right, anchor.bottom};
  Rect where = placePopup(anchorRect, size, shell.monitorOf(nullptr), vertical);
  HWND panel = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kDateTimePanelClass,
                               L"Date and Time", kStyle, where.left, where.top, where.width(),
                               where.height(), nullptr, nullptr, shell.instance(), &shell);
  if (!panel)
    return nullptr;
  ShowWindow(panel, SW_SHOW);
  SetForegroundWindow(panel);
  return panel;
}

}  // namespace standin
