#pragma once
// The process-wide state of one loaded copy of the hook library (the host's copy and the shell's
// copy each have their own). Touched only on the thread that owns the clock windows, or in the
// host on its window thread.
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "clock_instance.h"

namespace zembrik {

struct TaskbarRecord {
  RECT rect{};  // screen rectangle; filled only for secondary taskbars found inside the shell
  HWND clock = nullptr;
  HWND notify = nullptr;  // null for a secondary taskbar
  HWND taskbar = nullptr;
};

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

struct HookState {
  std::vector<TaskbarRecord> taskbarList;
  HWND hostWindow = nullptr;
  HHOOK messageHook = nullptr;
  bool rescanArmed = false;
  bool scanDone = false;
  // Set while a clock is being attached: attaching sends messages on the shell's thread, whose
  // hooked calls must not start the next attach in the middle of this one.
  bool attaching = false;
  HWND hiddenShowDesktop = nullptr;
  HWND primaryClockWindow = nullptr;
  HHOOK lockKeyHook = nullptr;
  int osGeneration = 0;
  std::map<HWND, std::unique_ptr<ClockInstance>> clockByWindow;
  std::map<HWND, ClockInstance*> clockByNotifyWindow;
  // Windows given back while a foreign procedure sat on top of ours: ours stays in their chain
  // and forwards to the procedure saved here (see subclass_chain.h).
  std::map<HWND, WNDPROC> forwardingByWindow;
  GetDpiForWindowFn getDpiForWindow = nullptr;
  bool dpiFunctionLookedUp = false;
  bool relayoutPending = false;
  bool pinnedInShell = false;
};

HookState& hookState();

// The library's module handle (set in DllMain).
HINSTANCE hookModule();

// Keeps this library loaded in the shell for the rest of the shell's life. Once a clock window's
// procedure points into the library, Windows must not unload it when the host removes its hook
// (or dies without removing it): a subclassed window would then call into freed memory.
void pinLibraryInShell();

// The host window, found again by class and title when the one recorded is gone (a new host).
HWND currentHostWindow();

}  // namespace zembrik
