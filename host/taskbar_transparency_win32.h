#pragma once
// Making the taskbar partly transparent with a layered window style.
#include <cstdint>

#include "host/host_state_win32.h"

namespace zembrik {

// Stores `alpha` (0 opaque .. 255 invisible; 256 or more is ignored) and, with `apply`, puts
// it on the taskbar (and, in legacy mode, the Start menu).
void setTaskbarTransparency(HostState& state, std::uint32_t alpha, bool apply);

// Puts the stored value on the taskbar again, after the taskbar was found anew.
void reapplyTaskbarTransparency(HostState& state);

}  // namespace zembrik
