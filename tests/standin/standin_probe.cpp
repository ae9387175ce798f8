// The probe DLL (see standin_probe.h).

#include "tests/standin/standin_probe.h"

#include <windows.h>

#include <commctrl.h>

namespace {

using namespace standin::probe;

bool hasClass(HWND window, const wchar_t* name) {
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  return lstrcmpW(className, name) == 0;
}

void report(UINT message, WPARAM wParam, LPARAM lParam) {
  if (HWND listener = FindWindowW(kProbeListenerClass, nullptr))
    PostMessageW(listener, message, wParam, lParam);
}

// Paints the window's client area through WM_PRINTCLIENT and reads one pixel of it.
void printAndReport(HWND window, WPARAM point) {
  RECT client{};
  GetClientRect(window, &client);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  COLORREF colour = GetPixel(memory, LOWORD(point), HIWORD(point));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  report(kPixel, colour, static_cast<LPARAM>(point));
}

void observe(const CWPSTRUCT& message) {
  static const UINT printRequest = RegisterWindowMessageW(kPrintRequestName);
  if (message.message == WM_WINDOWPOSCHANGING && hasClass(message.hwnd, L"TrayClockWClass")) {
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.lParam);
    if (!(pos->flags & SWP_NOSIZE))
      report(kProposal, static_cast<WPARAM>(pos->cx), static_cast<LPARAM>(pos->cy));
  } else if (message.message == WM_NOTIFY && hasClass(message.hwnd, L"TrayNotifyWnd")) {
    const auto* header = reinterpret_cast<const NMHDR*>(message.lParam);
    if (header->code == static_cast<UINT>(PGN_CALCSIZE))
      report(kCalcSize, 0, 0);
  } else if (message.message == printRequest) {
    printAndReport(message.hwnd, message.wParam);
  }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    probeHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && lParam)
    observe(*reinterpret_cast<const CWPSTRUCT*>(lParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
