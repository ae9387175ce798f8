#include <windows.h>

// The library's own module handle, for SetWindowsHookExA and for pinning it in the shell.
HINSTANCE gHookModule = nullptr;

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    gHookModule = module;
    DisableThreadLibraryCalls(module);
  }
  return TRUE;
}
