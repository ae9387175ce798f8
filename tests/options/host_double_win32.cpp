#include "tests/options/host_double_win32.h"

#include <algorithm>

#include "engine/protocol/window_messages.h"
#include "platform/win32/caught_exception_win32.h"
#include "platform/win32/wide_text_win32.h"

namespace zembrik::testing {

HostDouble::HostDouble() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &windowProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  const std::wstring className = wideFromUtf8(kHostWindowClass);
  windowClass.lpszClassName = className.c_str();
  class_ = RegisteredClass(windowClass);
  window_.reset(CreateWindowExW(0, className.c_str(), wideFromUtf8(kHostWindowTitle).c_str(),
                                WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                windowClass.hInstance, this));
}

std::size_t HostDouble::count(UINT message) const {
  return static_cast<std::size_t>(std::count_if(
      received_.begin(), received_.end(),
      [message](const ReceivedMessage& received) { return received.message == message; }));
}

LRESULT CALLBACK HostDouble::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  try {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<HostDouble*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (host != nullptr && message >= WM_USER)
      host->received_.push_back({message, wParam, lParam});
    return DefWindowProcW(window, message, wParam, lParam);
  } catch (...) {
    recordCaughtException(L"HostDouble::windowProcedure");
    return 0;
  }
}

}  // namespace zembrik::testing
