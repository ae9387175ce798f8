#pragma once
// The procedure that replaces the native procedure of every attached clock window.
#include <windows.h>

namespace zembrik {

LRESULT CALLBACK clockWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Installs the low-level keyboard hook while some clock shows lock-key states, removes it
// otherwise.
void updateLockKeyHook(bool wanted);

// True while the last paint of some attached clock showed lock-key states.
bool anyClockShowsLockKeys();

}  // namespace zembrik
