#pragma once
// The hidden host window, class "ZembrikClass", title "Zembrik": the switchboard for the hook
// library's reports and clicks and the options program's reload requests.
#include "host_state_win32.h"

namespace zembrik {

inline constexpr char kHostClassName[] = "ZembrikClass";
inline constexpr char kHostWindowName[] = "Zembrik";
inline constexpr WORD kHostIconResource = 107;

bool registerHostWindowClass(HINSTANCE instance);
void unregisterHostWindowClass(HINSTANCE instance);

// Creates the window (never shown) with `state` as its object; sets state.hostWindow.
HWND createHostWindow(HostState& state);

}  // namespace zembrik
