// A stand-in for the hook library: the host's integration tests check when the host attaches
// and detaches without depending on the real library attaching to a taskbar.
#define ZEMBRIK_HOOK_BUILD
#include "engine/protocol/window_messages.h"
#include "hook/hook_exports.h"
#include "tests/host_integration/seam_log.h"
#include "tests/host_integration/test_seams.h"

bool startHook(HWND host) {
  zembrik::testing::appendLine(ZEMBRIK_HOOK_LOG_VARIABLE, L"startHook");
  const std::wstring mode = zembrik::testing::environmentText(ZEMBRIK_HOOK_START_VARIABLE);
  if (mode.rfind(L"fail:", 0) == 0) {
    SendMessageA(host, zembrik::MSG_START_FAILED, 0, _wtoi(mode.c_str() + 5));
    return false;
  }
  return true;
}

void endHook() {
  zembrik::testing::appendLine(ZEMBRIK_HOOK_LOG_VARIABLE, L"endHook");
}
