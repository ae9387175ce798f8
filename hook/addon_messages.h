#pragma once
// MSG_ADDON_REGISTER and MSG_ADDON_UNREGISTER at a clock window. Any program can send them, so
// whatever they carry is checked before the shell's table or the registry changes.
#include <windows.h>

namespace zembrik {

struct ClockInstance;

// wParam the add-on's id, lParam its window. Returns the forced size answer; 0 when lParam is
// not a window or the table is full (nothing changes then).
LRESULT onAddonRegister(ClockInstance& clock, WPARAM wParam, LPARAM lParam);

// wParam the add-on's id. Returns 0 for an unknown id, else the forced size answer.
LRESULT onAddonUnregister(ClockInstance& clock, WPARAM wParam);

}  // namespace zembrik
