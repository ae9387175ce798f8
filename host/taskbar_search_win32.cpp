#include "host/taskbar_search_win32.h"

namespace zembrik {

void searchTaskbarWindows(HostState& state, bool updateProcessId) {
  state.taskbar = FindWindowA("Shell_TrayWnd", "");
  state.rebar = nullptr;
  state.notifyArea = nullptr;
  if (state.taskbar) {
    if (updateProcessId)
      GetWindowThreadProcessId(state.taskbar, &state.shellProcessId);
    state.rebar = FindWindowExA(state.taskbar, nullptr, "ReBarWindow32", nullptr);
    state.notifyArea = FindWindowExA(state.taskbar, nullptr, "TrayNotifyWnd", "");
  }
  if (state.notifyArea) {
    state.trayClock = FindWindowExA(state.notifyArea, nullptr, "TrayClockWClass", nullptr);
  }
  state.startMenu = FindWindowA("DV2ControlHost", "Start Menu");
  if (!state.startMenu)
    state.startMenu = FindWindowA("DV2ControlHost", nullptr);
}

}  // namespace zembrik
