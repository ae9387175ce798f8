#include "tools/hook_driver/driver_paint_count.h"

#include "platform/win32/proc_address_win32.h"
#include "tests/hook/paint_counter.h"

namespace zembrik {

using testing::kClockPainted;
using testing::kPaintCounterHookName;
using testing::kPaintListenerClass;

DriverPaintCount::DriverPaintCount(const std::wstring& probePath) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kPaintListenerClass;
  RegisterClassW(&windowClass);
  listener_ = CreateWindowExW(0, kPaintListenerClass, L"", WS_OVERLAPPED, 0, 0, 1, 1, nullptr,
                              nullptr, windowClass.hInstance, this);
  probe_ = LoadLibraryW(probePath.c_str());
  auto proc = procAddress<HOOKPROC>(probe_, kPaintCounterHookName);
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  DWORD thread = taskbar ? GetWindowThreadProcessId(taskbar, nullptr) : 0;
  if (listener_ && proc && thread)
    hook_ = SetWindowsHookExW(WH_GETMESSAGE, proc, probe_, thread);
}

DriverPaintCount::~DriverPaintCount() {
  if (hook_)
    UnhookWindowsHookEx(hook_);
  if (listener_)
    DestroyWindow(listener_);
  if (probe_)
    FreeLibrary(probe_);
}

LRESULT CALLBACK DriverPaintCount::procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<DriverPaintCount*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && message == kClockPainted) {
    ++self->paints_;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace zembrik
