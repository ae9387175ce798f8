// Entry point of Zembrik64.exe / Zembrik32.exe.
#include <windows.h>

#include "host/host_startup_win32.h"
#include "platform/win32/caught_exception_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandTail, int) {
  try {
    return zembrik::runHost(instance, commandTail);
  } catch (...) {
    zembrik::recordCaughtException(L"WinMain");
    return 1;
  }
}
