// The native clocks ("TrayClockWClass" on the main taskbar, "ClockButton" on secondary ones) and
// their tooltip.

#include "tools/standin_taskbar/standin_shell_win32.h"

namespace standin {
namespace {

constexpr UINT_PTR kRepaintTimer = 1;  // not the hook library's 7777

void paintClock(Shell& shell, HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  Bar* bar = shell.barOf(window);
  if (!bar)
    return;
  paintBarBackground(dc, window, client, shell.look(), bar->vertical);
  paintTextLines(dc, client, shell.look(), shell.clockLines(*bar));
}

void onMouseMove(Bar& bar, HWND window) {
  if (bar.trackingMouse)
    return;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_HOVER | TME_LEAVE;
  track.hwndTrack = window;
  track.dwHoverTime = HOVER_DEFAULT;
  bar.trackingMouse = TrackMouseEvent(&track) != FALSE;
}

LRESULT handleClock(Shell& shell, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  countClockMessage(window, message);
  // Also inside a message that the hook library forwards from its own procedure: the window, and
  // the library's instance with it, is destroyed while that procedure is on the stack.
  if (restartNowIfDue(shell))
    return 0;
  switch (message) {
    case WM_CREATE:
      SetTimer(window, kRepaintTimer, 1000, nullptr);
      return 0;
    case WM_DESTROY:
      shell.countNativeClockDestroy();
      return 0;
    case WM_TIMER:
      if (wParam == kRepaintTimer)
        InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      zembrik::PaintScope scope(window);
      paintClock(shell, window, scope.dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      paintClock(shell, window, reinterpret_cast<HDC>(wParam));
      return 0;
    case kMsgGetSize: {
      Bar* bar = shell.barOf(window);
      return bar ? static_cast<LRESULT>(packSize(shell.clockNativeSize(*bar))) : 0;
    }
    case kMsgNativeTip:
      shell.showClockTip(window, wParam != 0);
      return 0;
    case kMsgClickAction:
      if (lParam == 0)
        shell.openDateTimePanel();
      return 0;
    case WM_LBUTTONUP:
      shell.openDateTimePanel();
      return 0;
    case WM_MOUSEMOVE:
      if (Bar* bar = shell.barOf(window))
        onMouseMove(*bar, window);
      return 0;
    case WM_MOUSEHOVER:
      shell.showClockTip(window, true);
      return 0;
    case WM_NOTIFY:
      return answerClockTipText(window, lParam) ? 0
                                                : DefWindowProcW(window, message, wParam, lParam);
    case WM_MOUSELEAVE:
      if (Bar* bar = shell.barOf(window))
        bar->trackingMouse = false;
      shell.showClockTip(window, false);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT handleTip(Shell& shell, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      zembrik::PaintScope scope(window);
      RECT client{};
      GetClientRect(window, &client);
      FillRect(scope.dc(), &client, GetSysColorBrush(COLOR_INFOBK));
      wchar_t text[128] = {};
      GetWindowTextW(window, text, 128);
      zembrik::SelectedObject keepFont(scope.dc(), shell.look().font.get());
      SetBkMode(scope.dc(), TRANSPARENT);
      SetTextColor(scope.dc(), GetSysColor(COLOR_INFOTEXT));
      DrawTextW(scope.dc(), text, -1, &client,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
      return 0;
    }
    case WM_NCDESTROY:
      shell.forgetWindow(window);
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool registerClockClasses(HINSTANCE instance) {
  return registerWindowClass(instance, L"TrayClockWClass", guardedProc<handleClock>) &&
         registerWindowClass(instance, L"ClockButton", guardedProc<handleClock>) &&
         registerWindowClass(instance, kClockTipClass, guardedProc<handleTip>);
}

HWND createClockTip(Shell& shell) {
  return CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClockTipClass, L"",
                         WS_POPUP | WS_BORDER, 0, 0, 0, 0, nullptr, nullptr, shell.instance(),
                         &shell);
}

}  // namespace standin
