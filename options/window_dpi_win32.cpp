#include "options/window_dpi_win32.h"

#include "platform/win32/dc_scopes_win32.h"
#include "platform/win32/dpi_functions_win32.h"

namespace zembrik {

UINT windowDpi(HWND window) {
  if (const auto dpi = windowDpiIfKnown(window))
    return *dpi;
  const WindowDc screen(nullptr);
  const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
  return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

}  // namespace zembrik
