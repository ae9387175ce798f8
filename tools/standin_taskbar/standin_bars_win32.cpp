// Window procedures of the taskbar windows around the clocks: "Shell_TrayWnd", its band and
// notification area with pager and show-desktop button, and "Shell_SecondaryTrayWnd".

#include "tools/standin_taskbar/standin_secondary_protocol.h"
#include "tools/standin_taskbar/standin_shell_win32.h"

#include <commctrl.h>
#include <windowsx.h>

namespace standin {
namespace {

constexpr int kMenuDateTime = 1;
constexpr int kMenuRestart = 2;
constexpr int kMenuExit = 3;

// WM_PAINT and WM_PRINTCLIENT alike: the bar background, then the window's decoration.
LRESULT paint(Shell& shell, HWND window, UINT message, WPARAM wParam, Decoration decorate) {
  auto draw = [&](HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    Bar* bar = shell.barOf(window);
    bool vertical = bar && bar->vertical;
    paintBarBackground(dc, window, client, shell.look(), vertical);
    if (decorate)
      decorate(dc, client, shell.look(), vertical);
  };
  if (message == WM_PAINT) {
    zembrik::PaintScope scope(window);
    draw(scope.dc());
  } else {
    draw(reinterpret_cast<HDC>(wParam));
  }
  return 0;
}

bool isPaint(UINT message) {
  return message == WM_PAINT || message == WM_PRINTCLIENT;
}

// The taskbar's own right-click menu.
void showTaskbarMenu(Shell& shell, HWND window, LPARAM lParam) {
  int command = 0;
  {
    zembrik::UniqueMenu menu(CreatePopupMenu());
    if (!menu)
      return;
    AppendMenuW(menu.get(), MF_STRING, kMenuDateTime, L"Adjust date/time");
    AppendMenuW(menu.get(), MF_STRING, kMenuRestart, L"Restart taskbar");
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.get(), MF_STRING, kMenuExit, L"Exit stand-in taskbar");
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window, &at);
    PointerCounts& counts = shell.pointerCounts();
    ++counts.taskbarMenus;
    counts.lastMenuPoint = at;
    SetForegroundWindow(window);
    command =
        static_cast<int>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                        at.x, at.y, 0, window, nullptr));
  }
  if (command == kMenuDateTime)
    shell.openDateTimePanel();
  if (command == kMenuRestart)
    shell.requestLoopAction(LoopAction::RestartProcess);
  if (command == kMenuExit)
    shell.requestLoopAction(LoopAction::Quit);
}

LRESULT clockRect(Shell& shell, WPARAM index, LPARAM which) {
  Bar* bar = shell.barAt(index);
  if (!bar)
    return 0;
  RECT rect{};
  GetWindowRect(bar->clock, &rect);
  auto packed = which == kRectSize ? packPoint(rect.right - rect.left, rect.bottom - rect.top)
                                   : packPoint(rect.left, rect.top);
  return static_cast<LRESULT>(packed);
}

LRESULT onControlMessage(Shell& shell, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kMsgIdentify:
      return kIdentity;
    case kMsgRestart:
      shell.requestLoopAction(LoopAction::Restart);
      return 1;
    case kMsgRestartProcess:
      shell.requestLoopAction(LoopAction::RestartProcess);
      return 1;
    case kMsgQuit:
      shell.requestLoopAction(LoopAction::Quit);
      return 1;
    case kMsgGetClockRect:
      return clockRect(shell, wParam, lParam);
    case kMsgRelayout:
      shell.relayoutAll();
      return 1;
    case kMsgMoveTaskbar:
      if (wParam > static_cast<WPARAM>(Edge::Right))
        return 0;
      return shell.moveMain(static_cast<Edge>(wParam), static_cast<int>(lParam)) ? 1 : 0;
    case kMsgGetClockWindow: {
      Bar* bar = shell.barAt(wParam);
      return bar ? static_cast<LRESULT>(HandleToULong(bar->clock)) : 0;
    }
  }
  return 0;
}

LRESULT handleTaskbar(Shell& shell, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // A control message is answered after a re-creation too, about the new tree; anything else was
  // for a window that is gone.
  const bool restarted = restartNowIfDue(shell);
  if (message >= kMsgIdentify && message <= kMsgGetClockWindow)
    return onControlMessage(shell, message, wParam, lParam);
  if (message >= kMsgHang && message <= kMsgResourceCounts)
    return onFaultMessage(shell, message, wParam, lParam);
  if (message == kMsgClockMessageCount || message == kMsgResetClockMessageCounts)
    return onCountMessage(shell, message, wParam, lParam);
  if (message >= kMsgTaskbarMenus && message <= kMsgDateTimePanel)
    return onPointerCountMessage(shell, message, wParam, lParam);
  if (message >= kMsgAddSecondary && message <= kMsgNativeClockDestroys)
    return shell.onSecondaryMessage(message, wParam, lParam);
  if (restarted)
    return 0;
  if (isPaint(message))
    return paint(shell, window, message, wParam, nullptr);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      shell.layoutMain();
      return 0;  // also the posted WM_SIZE(0, 0) of a re-layout
    case WM_TIMER:
      if (wParam == kSelfLayoutTimer) {
        // One notification icon comes or goes, and the shell lays itself out.
        auto& faults = shell.faults();
        faults.trayIcons = faults.trayIcons == 2 ? 3 : 2;
        shell.relayoutAll();
        InvalidateRect(window, nullptr, FALSE);
      }
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kCommandDateTime)
        shell.openDateTimePanel();
      return 0;
    case WM_RBUTTONUP:
      showTaskbarMenu(shell, window, lParam);
      return 0;
    case WM_CLOSE:
      return 0;  // the shell is not closed by Alt+F4
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT handleBand(Shell& shell, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (isPaint(message))
    return paint(shell, window, message, wParam, paintTaskButtons);
  if (message == WM_ERASEBKGND)
    return 1;
  if (message == WM_RBUTTONUP) {
    Bar* bar = shell.barOf(window);
    if (bar && bar->main)
      showTaskbarMenu(shell, window, lParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT onPagerCalcSize(const Shell& shell, NMPGCALCSIZE& calc) {
  // The pager's content is the icon strip.
  if (calc.dwFlag & PGF_CALCWIDTH)
    calc.iWidth = shell.pagerLength();
  if (calc.dwFlag & PGF_CALCHEIGHT)
    calc.iHeight = shell.pagerLength();
  return 0;
}

LRESULT handleNotifyArea(Shell& shell, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (restartNowIfDue(shell))
    return 0;
  if (isPaint(message))
    return paint(shell, window, message, wParam, nullptr);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      shell.layoutNotifyArea();
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header && header->code == static_cast<UINT>(PGN_CALCSIZE))
        return onPagerCalcSize(shell, *reinterpret_cast<NMPGCALCSIZE*>(lParam));
      return 0;
    }
    case kMsgGetSize:
      // Only the newest systems' notification area answers the size query itself.
      if (shell.options().generation7)
        return static_cast<LRESULT>(packSize(shell.notifyNativeSize()));
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT handlePager(Shell& shell, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (isPaint(message))
    return paint(shell, window, message, wParam, paintTrayIcons);
  if (message == WM_ERASEBKGND)
    return 1;
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT handleShowDesktop(Shell& shell, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (isPaint(message))
    return paint(shell, window, message, wParam, paintSeparator);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case kMsgGetSize:
      return static_cast<LRESULT>(packSize(Size{kShowDesktopLength, kShowDesktopLength}));
    case WM_LBUTTONUP:
      ++shell.pointerCounts().showDesktopClicks;
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT handleSecondary(Shell& shell, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (isPaint(message))
    return paint(shell, window, message, wParam, nullptr);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      if (Bar* bar = shell.barOf(window); bar && bar->clock)
        shell.layoutSecondary(*bar);
      return 0;
    case WM_CLOSE:
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  return RegisterClassExW(&windowClass) != 0;
}

bool registerBarClasses(HINSTANCE instance) {
  return registerWindowClass(instance, L"Shell_TrayWnd", guardedProc<handleTaskbar>) &&
         registerWindowClass(instance, L"ReBarWindow32", guardedProc<handleBand>) &&
         registerWindowClass(instance, L"WorkerW", guardedProc<handleBand>) &&
         registerWindowClass(instance, L"TrayNotifyWnd", guardedProc<handleNotifyArea>) &&
         registerWindowClass(instance, L"SysPager", guardedProc<handlePager>) &&
         registerWindowClass(instance, L"TrayShowDesktopButtonWClass",
                             guardedProc<handleShowDesktop>) &&
         registerWindowClass(instance, L"Shell_SecondaryTrayWnd", guardedProc<handleSecondary>);
}

}  // namespace standin
