#include "options/window_dpi_win32.h"

#include "platform/win32/dc_scopes_win32.h"
#include "platform/win32/proc_address_win32.h"

namespace zembrik {

namespace {

using GetDpiForWindowProc = UINT(WINAPI*)(HWND);

GetDpiForWindowProc boundGetDpiForWindow() {
  // user32 stays loaded for the whole process: a plain module handle is enough.
  static const auto procedure =
      procAddress<GetDpiForWindowProc>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
  return procedure;
}

}  // namespace

UINT windowDpi(HWND window) {
  if (const auto procedure = boundGetDpiForWindow()) {
    if (const UINT dpi = procedure(window))
      return dpi;
  }
  const WindowDc screen(nullptr);
  const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
  return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace zembrik
