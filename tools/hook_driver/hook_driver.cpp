// zembrik-hook-driver: plays the host for the hook library without the host program. Creates the
// host window ("ZembrikClass", "Zembrik"), calls startHook, keeps the clock attached for a while,
// prints the messages the library sent, and calls endHook. For scripts and screenshots:
//   zembrik-hook-driver [--seconds N]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "hook_exports.h"
#include "protocol/window_messages.h"

namespace {

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_USER && message < 0x8000) {
    std::printf("host received 0x%X wParam=0x%llX lParam=0x%llX\n", message,
                static_cast<unsigned long long>(wParam), static_cast<unsigned long long>(lParam));
    std::fflush(stdout);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  int seconds = 5;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
      seconds = std::atoi(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: zembrik-hook-driver [--seconds N]\n");
      return 2;
    }
  }
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = hostProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"ZembrikClass";
  RegisterClassW(&windowClass);
  HWND host = CreateWindowExW(0, L"ZembrikClass", L"Zembrik", WS_OVERLAPPED, 0, 0, 10, 10,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!host) return 1;
  if (!startHook(host)) {
    std::fprintf(stderr, "zembrik-hook-driver: startHook failed\n");
    DestroyWindow(host);
    return 1;
  }
  SetTimer(host, 1, static_cast<UINT>(seconds) * 1000u, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == host) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  endHook();
  DestroyWindow(host);
  return 0;
}
