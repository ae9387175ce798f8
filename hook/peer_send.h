#pragma once
// Sends to a window of the other process (host to shell, shell to host) without waiting for
// ever: a hung shell must not hang the host (also at logoff), a hung or busy host must not
// freeze the taskbar.
#include <windows.h>

namespace zembrik {

// endHook's MSG_DETACH: a detach takes some tens of milliseconds; three seconds leaves a busy
// shell ample room and stays inside the few seconds Windows gives programs to end at logoff.
inline constexpr UINT kDetachTimeoutMs = 3000;
// endHook's WM_NULL nudges and the shell's report to the host: nothing waits for their work.
// The host answers MSG_START_FAILED with a message box inside the sent message, so the shell's
// thread must give up long before the user closes it.
inline constexpr UINT kNudgeTimeoutMs = 1000;

// SendMessageTimeoutA with SMTO_ABORTIFHUNG (no wait at all for a window already hung). True when
// the window procedure returned in time; false when the peer is hung, gone or too slow.
bool sendToPeer(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs);

}  // namespace zembrik
