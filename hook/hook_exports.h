#pragma once
// The hook library's two exports, called by the host on its window thread. Plain C names in both
// the 64- and the 32-bit build.
#include <windows.h>

#ifdef ZEMBRIK_HOOK_BUILD
#define ZEMBRIK_HOOK_API extern "C" __declspec(dllexport)
#else
#define ZEMBRIK_HOOK_API extern "C" __declspec(dllimport)
#endif

// Attaches the clock face to every taskbar clock; `host` is the host's hidden window
// ("ZembrikClass", "Zembrik"), which receives the library's reports. False on failure; the
// reason also goes to the host as MSG_START_FAILED once the host window is known.
ZEMBRIK_HOOK_API bool startHook(HWND host);

// Gives every taskbar its native clock back and removes the hook. Blocks until the shell has
// detached each clock. Harmless when nothing is attached.
ZEMBRIK_HOOK_API void endHook();
