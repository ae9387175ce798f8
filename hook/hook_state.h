#pragma once
// The process-wide state of one loaded copy of the hook library (the host's copy and the shell's
// copy each have their own): one object that owns everything the library keeps between calls.
// Touched only on the thread that owns the clock windows, or in the host on its window thread.
#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "engine/paint/face_colours.h"
#include "engine/settings/mouse_settings.h"
#include "engine/theme/theme_binding.h"
#include "hook/clock_instance.h"
#include "hook/clock_services.h"
#include "platform/win32/font_win32.h"
#include "platform/win32/format_platform_win32.h"
#include "platform/win32/gdi_surface.h"
#include "platform/win32/monitor_source_win32.h"
#include "platform/win32/system_load_win32.h"
#include "platform/win32/theme_library_win32.h"
#include "platform/win32/win32_handles.h"

namespace zembrik {

struct TaskbarRecord {
  RECT rect{};  // screen rectangle; filled only for secondary taskbars found inside the shell
  HWND clock = nullptr;
  HWND notify = nullptr;  // null for a secondary taskbar
  HWND taskbar = nullptr;
};

// Members are declared in the order they depend on each other: whatever refers to another
// member comes after it (the clocks hold fonts of the font cache and refer to the theme binding,
// so they come last).
struct HookState {
  HookState();
  HookState(const HookState&) = delete;
  HookState& operator=(const HookState&) = delete;

  HINSTANCE module = nullptr;  // this library, for the message hook and for pinning
  bool pinnedInShell = false;
  // Monitors and DPI for the settings load and the layout.
  Win32MonitorSource monitors;
  UINT attachRequest = 0;  // the registered message number, once asked for
  int osGeneration = 0;

  // The visual-styles library and the theme state; the binding refers to the library.
  Win32ThemeLibrary themeLibrary;
  ThemeBinding theme{themeLibrary};
  // The colours every clock paints with; computed at the first paint or measure, recomputed when
  // colours or the theme change.
  std::optional<FaceColours> colours;
  GdiSurfaceFactory surfaceFactory;

  // The engine services every clock shares; `services` refers to the members before it.
  GdiFontFactory fontFactory;
  FontCache fonts{fontFactory};
  NameTables names;
  ConfiguredZoneTable zones;
  Win32SystemTimeZone systemZone;
  Win32LockKeyStates lockKeys;
  MeterProcessState meters;
  SystemLoadWin32 systemLoad;
  std::unique_ptr<RegistryKey> currentUser;
  RegistryAlarmNames alarmNames;
  ClockServices services;

  HWND hostWindow = nullptr;
  std::vector<TaskbarRecord> taskbarList;
  UniqueHook messageHook;
  bool rescanArmed = false;
  bool scanDone = false;
  // Set while a clock is being attached: attaching sends messages on the shell's thread, whose
  // hooked calls must not start the next attach in the middle of this one.
  bool attaching = false;
  bool relayoutPending = false;
  HWND hiddenShowDesktop = nullptr;
  // The show-desktop button while the main clock has it subclassed, and its own procedure.
  HWND subclassedShowDesktop = nullptr;
  WNDPROC nativeShowDesktopProc = nullptr;
  MouseActions mouseActions;  // set by every settings load
  HWND primaryClockWindow = nullptr;
  UniqueHook lockKeyHook;

  std::map<HWND, std::unique_ptr<ClockInstance>> clockByWindow;
  std::map<HWND, ClockInstance*> clockByNotifyWindow;
  // Windows given back while a foreign procedure sat on top of ours: ours stays in their chain
  // and forwards to the procedure saved here (see subclass_chain.h).
  std::map<HWND, WNDPROC> forwardingByWindow;
};

// The state of this copy of the library, made on first use. It is never destroyed: at process
// exit the shell's windows, the visual-styles library and user32 may be gone already, and the
// pinned library must not call into them from its exit code. The process ends with everything.
HookState& hookState();

// The library's module handle.
HINSTANCE hookModule();

// Keeps this library loaded in the shell for the rest of the shell's life. Once a clock window's
// procedure points into the library, Windows must not unload it when the host removes its hook
// (or dies without removing it): a subclassed window would then call into freed memory.
void pinLibraryInShell();

// The host window, found again by class and title when the one recorded is gone (a new host).
HWND currentHostWindow();

}  // namespace zembrik
