#pragma once
// The host program from start to exit: single instance, "start" and "stop", the settings
// version, the hidden window, the hook library and the message loop.
#include <windows.h>

namespace zembrik {

// Returns the exit code.
int runHost(HINSTANCE instance, const char* commandTail);

}  // namespace zembrik
