#include "hook_state.h"

extern HINSTANCE gHookModule;

namespace zembrik {

HookState& hookState() {
  static HookState state;
  return state;
}

HINSTANCE hookModule() {
  return gHookModule;
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
    state.hostWindow = FindWindowA("ZembrikClass", "Zembrik");
  }
  return state.hostWindow;
}

}  // namespace zembrik
