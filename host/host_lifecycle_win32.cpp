#include "host/host_lifecycle_win32.h"

#include "engine/settings/settings_paths.h"
#include "hook/hook_exports.h"
#include "host/taskbar_search_win32.h"
#include "host/taskbar_transparency_win32.h"
#include "platform/win32/registry_win32.h"

namespace zembrik {

void reattach(HostState& state, bool forced) {
  endHook();
  state.trayClock = nullptr;
  state.attachedClocks.clear();
  if (!forced && !state.settings.restartOnShellRestart) {
    PostMessageA(state.hostWindow, WM_CLOSE, 0, 0);  // the host ends with the shell
    return;
  }
  const std::uint32_t elapsed = state.restartGuard.stamp(GetTickCount());
  if (forced) {
    endHook();
    state.reattachTimer = UniqueTimer(state.hostWindow, kReattachTimer, kReattachSoonMs);
    return;
  }
  const DWORD previousShell = state.shellProcessId;
  searchTaskbarWindows(state, true);
  if (state.restartGuard.noteRecreation(state.shellProcessId != previousShell, elapsed)) {
    PostMessageA(state.hostWindow, WM_CLOSE, 0, 0);  // the shell keeps restarting: give up
    return;
  }
  endHook();
  state.reattachTimer = UniqueTimer(state.hostWindow, kReattachTimer, kReattachAfterRestartMs);
}

void onReattachTimer(HostState& state) {
  state.reattachTimer.reset();
  endHook();
  state.attachedClocks.clear();
  startHook(state.hostWindow);  // a failure arrives as MSG_START_FAILED
  searchTaskbarWindows(state, true);
  reapplyTaskbarTransparency(state);
}

void onTaskbarRecheckTimer(HostState& state) {
  state.recheckTimer.reset();
  searchTaskbarWindows(state, false);
  reapplyTaskbarTransparency(state);
}

void stopHost(HostState& state) {
  // The detach fails its scan when the shell is gone; the host ends without saying so.
  state.startFailures.noteStopping();
  endHook();
  PostMessageA(state.hostWindow, WM_CLOSE, 0, 0);
}

void readSettings(HostState& state, RegistryKey* settingsRoot, bool applyTransparency) {
  std::unique_ptr<RegistryKey> opened;
  if (!settingsRoot) {
    auto user = openCurrentUserRoot();
    opened = user->openSubkey(kSettingsRootPath, kKeyRead).key;
    if (!opened)
      return;
    settingsRoot = opened.get();
  }
  state.settings = readHostSettings(*settingsRoot, state.legacyMode);
  setTaskbarTransparency(state, state.settings.transparencyAlpha, applyTransparency);
  state.calendar.readSettings(*settingsRoot);
}

}  // namespace zembrik
