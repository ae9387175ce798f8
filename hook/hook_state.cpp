#include "hook/hook_state.h"

#include "engine/protocol/window_messages.h"
#include "platform/win32/registry_win32.h"

namespace zembrik {

namespace {

// The module that holds this code; the reference count is left alone.
HINSTANCE moduleOfThisLibrary() {
  HMODULE self = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&moduleOfThisLibrary), &self);
  return self;
}

}  // namespace

HookState::HookState()
    : module(moduleOfThisLibrary()),
      currentUser(openCurrentUserRoot()),
      alarmNames(*currentUser),
      services{fonts, names, zones, systemZone, lockKeys, meters, systemLoad, alarmNames} {}

HookState& hookState() {
  // Made with new and never deleted, see the header.
  static HookState* const state = new HookState;
  return *state;
}

HINSTANCE hookModule() {
  return hookState().module;
}

void pinLibraryInShell() {
  HookState& state = hookState();
  if (state.pinnedInShell)
    return;
  HMODULE self = nullptr;
  // Without GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT this adds a reference that is never
  // released: the library stays until the shell process ends.
  if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                         reinterpret_cast<LPCWSTR>(&pinLibraryInShell), &self)) {
    state.pinnedInShell = true;
  }
}

HWND currentHostWindow() {
  HookState& state = hookState();
  if (!state.hostWindow || !IsWindow(state.hostWindow)) {
    state.hostWindow = FindWindowA(kHostWindowClass, kHostWindowTitle);
  }
  return state.hostWindow;
}

}  // namespace zembrik
