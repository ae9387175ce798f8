#include <windows.h>

// The library keeps no per-thread state; its process-wide state is made on first use
// (hook_state.h), never here under the loader lock.
BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH)
    DisableThreadLibraryCalls(module);
  return TRUE;
}
