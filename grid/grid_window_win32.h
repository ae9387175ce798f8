#pragma once
// The "ZembrikGrid" window class. Its messages and notifications: grid_messages.h.
#include <windows.h>

namespace zembrik::grid {

// Registers the class for `instance` (the module whose dialog templates name it). Registering
// it again is harmless. False when Windows refuses.
bool registerGridClass(HINSTANCE instance);

}  // namespace zembrik::grid
