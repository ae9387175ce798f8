// A probe library that a WH_GETMESSAGE hook loads into the stand-in taskbar: it reports every
// WM_PAINT its clock window takes from the queue, so tests can count the clock's repaints.
#include <windows.h>

#include "tests/hook/paint_counter.h"

namespace {

bool isClock(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return lstrcmpW(name, L"TrayClockWClass") == 0;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    paintCounterHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (message->message == WM_PAINT && isClock(message->hwnd)) {
      if (HWND listener = FindWindowW(zembrik::testing::kPaintListenerClass, nullptr)) {
        PostMessageW(listener, zembrik::testing::kClockPainted,
                     reinterpret_cast<WPARAM>(message->hwnd), 0);
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
