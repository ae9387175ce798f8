#pragma once
// The DPI a window is drawn at, for the pixel sizes the program computes itself.
#include <windows.h>

namespace zembrik {

// The DPI dialog units and pixel sizes are designed at (USER_DEFAULT_SCREEN_DPI, which the
// headers of the oldest supported Windows do not declare).
inline constexpr UINT kDesignDpi = 96;

// GetDpiForWindow where the system has it (bound once), else the screen's LOGPIXELSX.
UINT windowDpi(HWND window);

// `pixels` at 96 dpi scaled to `dpi`.
inline int scaleToDpi(int pixels, UINT dpi) {
  return MulDiv(pixels, static_cast<int>(dpi), kDesignDpi);
}

}  // namespace zembrik
