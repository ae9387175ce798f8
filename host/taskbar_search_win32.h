#pragma once
// Finding the shell's taskbar windows the host works with.
#include "host/host_state_win32.h"

namespace zembrik {

// Looks up the taskbar, its rebar and notify area, the tray clock and the Start menu, and
// overwrites them in `state` (null when missing). The tray clock is kept as it was when the
// notify area is missing. With `updateProcessId` the shell's process id is taken too.
void searchTaskbarWindows(HostState& state, bool updateProcessId);

}  // namespace zembrik
