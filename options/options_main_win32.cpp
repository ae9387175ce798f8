// Entry point of ZembrikOptions.exe.
#include <windows.h>

#include "options/options_app_win32.h"
#include "options/user_interaction_win32.h"
#include "platform/win32/caught_exception_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandTail, int) {
  try {
    return zembrik::runOptionsProgram(instance, commandTail ? commandTail : L"",
                                      zembrik::shippedUserInteraction());
  } catch (...) {
    zembrik::recordCaughtException(L"wWinMain");
    return 1;
  }
}
