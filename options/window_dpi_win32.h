#pragma once
// The DPI a window is drawn at, for the pixel sizes the program computes itself.
#include <windows.h>

namespace zembrik {

// GetDpiForWindow where the system has it (bound once), else the screen's LOGPIXELSX.
UINT windowDpi(HWND window);

// `pixels` at 96 dpi scaled to `dpi`.
inline int scaleToDpi(int pixels, UINT dpi) {
  return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

}  // namespace zembrik
