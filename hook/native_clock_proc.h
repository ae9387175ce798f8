#pragma once
// The shell's own clock procedure, which gets every message the clock face does not answer.
#include <windows.h>

#include "hook/clock_instance.h"

namespace zembrik {

// Through CallWindowProcA, as the clock was subclassed with SetWindowLongPtrA.
inline LRESULT callNative(const ClockInstance& clock, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam) {
  return CallWindowProcA(clock.nativeClockProc, window, message, wParam, lParam);
}

}  // namespace zembrik
