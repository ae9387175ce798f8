#include "hook_exports.h"

#include "hook_procedure.h"
#include "hook_state.h"
#include "peer_send.h"
#include "protocol/window_messages.h"
#include "registry/registry_access.h"
#include "settings/settings_paths.h"
#include "taskbar_scan.h"
#include "win32/caught_exception_win32.h"
#include "win32/registry_win32.h"

using namespace zembrik;

namespace {

void reportFailure(HWND host, int reason) {
  if (host)
    sendToPeer(host, MSG_START_FAILED, 0, reason, kNudgeTimeoutMs);
}

// Nudges the shell's thread: its window procedures run, and with them the hook.
void nudgeTaskbars(const std::vector<TaskbarRecord>& list, bool mainOnly) {
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    if (mainOnly && !it->notify)
      continue;
    PostMessageA(it->taskbar, WM_SIZE, 0, 0);
    if (it->notify)
      PostMessageA(it->notify, WM_SIZE, 0, 0);
  }
}

void hideShowDesktopButton(const TaskbarRecord& main) {
  HookState& state = hookState();
  state.hiddenShowDesktop = nullptr;
  auto user = openCurrentUserRoot();
  auto root = user->openSubkey(kSettingsRootPath, kKeyRead);
  if (!root || !main.notify)
    return;
  auto hide = readNumber(*root.key, u"hideShowDesktop");
  if (!hide || *hide == 0)
    return;
  if (HWND button = FindWindowExA(main.notify, nullptr, "TrayShowDesktopButtonWClass", nullptr)) {
    ShowWindow(button, SW_HIDE);
    state.hiddenShowDesktop = button;
  }
}

void removeMessageHook() {
  HookState& state = hookState();
  if (state.messageHook) {
    UnhookWindowsHookEx(state.messageHook);
    state.messageHook = nullptr;
  }
}

bool startHookImpl(HWND host) {
  HookState& state = hookState();
  state.taskbarList.clear();
  if (int reason = scanTaskbars(state.taskbarList, ScanMode::Plain); reason != 0) {
    reportFailure(state.hostWindow, reason);  // only a host known from an earlier call
    return false;
  }
  state.hostWindow = host;
  // The handle DllMain was given: right whatever the file was renamed to.
  HMODULE module = hookModule();
  const TaskbarRecord& main = state.taskbarList.front();
  DWORD thread = GetWindowThreadProcessId(main.clock, nullptr);
  if (thread == 0) {
    reportFailure(host, kFailNoThread);
    return false;
  }
  hideShowDesktopButton(main);
  if (state.messageHook)
    UnhookWindowsHookEx(state.messageHook);  // a second start replaces it
  state.messageHook = SetWindowsHookExA(WH_CALLWNDPROC, callWndHookProc, module, thread);
  if (!state.messageHook) {
    reportFailure(host, kFailNoHook);
    return false;
  }
  nudgeTaskbars(state.taskbarList, /*mainOnly=*/true);
  // Sent (not posted) messages reach a WH_CALLWNDPROC hook; one per taskbar to attach.
  const UINT request = attachRequestMessage();
  for (auto it = state.taskbarList.rbegin(); it != state.taskbarList.rend(); ++it) {
    SendNotifyMessageA(it->clock, request, 0, 0);
  }
  return true;
}

void endHookImpl() {
  HookState& state = hookState();
  state.taskbarList.clear();
  if (int reason = scanTaskbars(state.taskbarList, ScanMode::Plain); reason != 0) {
    reportFailure(state.hostWindow, reason);
  }
  // A shell that does not answer one detach in time is hung or gone: nothing more is sent to
  // it, and the hook is removed all the same.
  bool shellAnswers = true;
  for (auto it = state.taskbarList.rbegin(); it != state.taskbarList.rend() && shellAnswers; ++it) {
    if (it->clock && IsWindow(it->clock)) {
      shellAnswers = sendToPeer(it->clock, MSG_DETACH, 0, 0, kDetachTimeoutMs);
    }
  }
  if (state.hiddenShowDesktop && IsWindow(state.hiddenShowDesktop)) {
    ShowWindow(state.hiddenShowDesktop, SW_SHOW);
  }
  state.hiddenShowDesktop = nullptr;
  removeMessageHook();
  for (auto it = state.taskbarList.rbegin(); it != state.taskbarList.rend(); ++it) {
    PostMessageA(it->taskbar, WM_SIZE, 0, 0);
    if (it->notify)
      PostMessageA(it->notify, WM_SIZE, 0, 0);
    if (shellAnswers)
      shellAnswers = sendToPeer(it->clock, WM_NULL, 0, 0, kNudgeTimeoutMs);
  }
  state.taskbarList.clear();
}

}  // namespace

bool startHook(HWND host) {
  try {
    return startHookImpl(host);
  } catch (...) {
    recordCaughtException(L"startHook");
    return false;
  }
}

void endHook() {
  try {
    endHookImpl();
  } catch (...) {
    recordCaughtException(L"endHook");
    removeMessageHook();  // whatever failed, no hook of ours stays on the shell
  }
}
