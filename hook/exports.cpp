#include "hook/hook_exports.h"

#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "hook/hook_procedure.h"
#include "hook/hook_state.h"
#include "hook/peer_send.h"
#include "hook/taskbar_scan.h"
#include "platform/win32/caught_exception_win32.h"
#include "platform/win32/registry_win32.h"

using namespace zembrik;

namespace {

void reportFailure(HWND host, StartFailure reason) {
  if (host)
    sendToPeer(host, MSG_START_FAILED, 0, static_cast<LPARAM>(reason), kNudgeTimeoutMs);
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
  hookState().messageHook.reset();
}

bool startHookImpl(HWND host) {
  HookState& state = hookState();
  state.taskbarList.clear();
  if (StartFailure reason = scanTaskbars(state.taskbarList, ScanMode::Plain);
      reason != StartFailure::None) {
    reportFailure(state.hostWindow, reason);  // only a host known from an earlier call
    return false;
  }
  state.hostWindow = host;
  // The handle DllMain was given: right whatever the file was renamed to.
  HMODULE module = hookModule();
  const TaskbarRecord& main = state.taskbarList.front();
  DWORD thread = GetWindowThreadProcessId(main.clock, nullptr);
  if (thread == 0) {
    reportFailure(host, StartFailure::NoThread);
    return false;
  }
  hideShowDesktopButton(main);
  state.messageHook.reset();  // a second start replaces it, removed before the new one is set
  state.messageHook.reset(SetWindowsHookExA(WH_CALLWNDPROC, callWndHookProc, module, thread));
  if (!state.messageHook) {
    reportFailure(host, StartFailure::NoHook);
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
  if (StartFailure reason = scanTaskbars(state.taskbarList, ScanMode::Plain);
      reason != StartFailure::None) {
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
