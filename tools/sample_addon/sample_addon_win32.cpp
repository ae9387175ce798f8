// A sample add-on: puts one cell of its own text before the clock's cells and logs the clicks
// it receives. Usage: zembrik-sample-addon <id> <text> <log file>
//
// The protocol in short: write the face below the clock's set key, post MSG_ADDON_REGISTER (id,
// own window) to the clock, register again whenever MSG_ADDON_REGISTER (0, 0) arrives (a clock
// attached anew), and post MSG_ADDON_UNREGISTER (id) before ending.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>

#include "engine/protocol/window_messages.h"
#include "platform/win32/caught_exception_win32.h"
#include "tools/sample_addon/addon_face_win32.h"

namespace {

using namespace zembrik;

constexpr wchar_t kClassName[] = L"ZembrikSampleAddon";

struct Addon {
  std::int32_t id = 0;
  std::u16string text;
  std::wstring logPath;
  HWND clock = nullptr;  // where it registered last
};
Addon addon;

void log(const char* line) {
  FILE* file = _wfopen(addon.logPath.c_str(), L"a");
  if (file == nullptr)
    return;
  std::fputs(line, file);
  std::fputs("\n", file);
  std::fclose(file);
}

void registerWithClock(HWND self) {
  addon.clock = runningClockWindow();
  if (addon.clock == nullptr) {
    log("no clock");
    return;
  }
  bool written = writeAddonFace(addon.id, addon.text);
  PostMessageW(addon.clock, MSG_ADDON_REGISTER, static_cast<WPARAM>(addon.id),
               reinterpret_cast<LPARAM>(self));
  log(written ? "registered" : "registered without a face");
}

bool isClick(UINT message) {
  return (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK) ||
         (message >= WM_XBUTTONDOWN && message <= WM_XBUTTONDBLCLK);
}

LRESULT CALLBACK addonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == MSG_ADDON_REGISTER && wParam == 0 && lParam == 0) {
      registerWithClock(window);
      return 0;
    }
    if (isClick(message)) {
      char line[96];
      std::snprintf(line, sizeof line, "click message=0x%04X wParam=0x%08X x=%d y=%d", message,
                    static_cast<unsigned>(wParam), static_cast<short>(LOWORD(lParam)),
                    static_cast<short>(HIWORD(lParam)));
      log(line);
      return 0;
    }
    if (message == WM_CLOSE) {
      if (addon.clock != nullptr && IsWindow(addon.clock))
        PostMessageW(addon.clock, MSG_ADDON_UNREGISTER, static_cast<WPARAM>(addon.id), 0);
      log("unregistered");
      DestroyWindow(window);
      return 0;
    }
    if (message == WM_DESTROY) {
      PostQuitMessage(0);
      return 0;
    }
  } catch (...) {
    recordCaughtException(L"addonProc");
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (args == nullptr || count < 4)
    return 2;
  addon.id = static_cast<std::int32_t>(std::wcstol(args[1], nullptr, 10));
  addon.text.assign(args[2], args[2] + std::wcslen(args[2]));
  addon.logPath = args[3];
  LocalFree(args);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = addonProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassW(&windowClass))
    return 1;
  // A hidden top-level window: it takes posted messages and can be found by its title.
  std::wstring title = L"Zembrik sample add-on " + std::to_wstring(addon.id);
  HWND window = CreateWindowW(kClassName, title.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              instance, nullptr);
  if (window == nullptr)
    return 1;
  registerWithClock(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
