#pragma once
#include <windows.h>

namespace zembrik {

// The WH_CALLWNDPROC hook on the taskbar's thread: attaches one taskbar per hooked message.
LRESULT CALLBACK callWndHookProc(int code, WPARAM wParam, LPARAM lParam);

// The message startHook sends to every clock window it found. Inside the shell it tells the
// library that a host wants the clocks now, so that a copy of the library that stayed loaded
// after an earlier endHook attaches again instead of believing its work done.
UINT attachRequestMessage();

}  // namespace zembrik
