#include "hook/hook_procedure.h"

#include "engine/protocol/window_messages.h"
#include "hook/clock_attach.h"
#include "hook/hook_state.h"
#include "hook/peer_send.h"
#include "hook/taskbar_scan.h"
#include "platform/win32/caught_exception_win32.h"

namespace zembrik {

namespace {

class AttachInProgress {
 public:
  explicit AttachInProgress(HookState& state) : state_(state) { state_.attaching = true; }
  ~AttachInProgress() { state_.attaching = false; }
  AttachInProgress(const AttachInProgress&) = delete;
  AttachInProgress& operator=(const AttachInProgress&) = delete;

 private:
  HookState& state_;
};

void attachNextTaskbar() {
  HookState& state = hookState();
  state.rescanArmed = false;
  HWND host = currentHostWindow();
  if (state.taskbarList.empty()) {
    StartFailure reason = scanTaskbars(state.taskbarList, ScanMode::Sorted);
    if (reason != StartFailure::None && host)
      sendToPeer(host, MSG_START_FAILED, 0, static_cast<LPARAM>(reason), kNudgeTimeoutMs);
  }
  if (state.taskbarList.empty())
    return;
  TaskbarRecord record = state.taskbarList.back();
  state.taskbarList.pop_back();
  state.scanDone = state.taskbarList.empty();
  AttachInProgress busy(state);
  // A clock whose taskbar the shell re-created while it was being attached is gone already.
  const bool attached = attachClock(record, static_cast<int>(state.taskbarList.size())) &&
                        state.clockByWindow.contains(record.clock);
  if (attached && host)
    PostMessageA(host, MSG_CLOCK_ATTACHED, reinterpret_cast<WPARAM>(record.clock), 0);
}

// A new attach request after the last sequence ended starts the attachment afresh. Clocks still
// attached then (an endHook that gave up on a hung shell, a host that died without one) are
// re-indexed, reloaded and reported to the new host like a rescan; a sequence still going is
// left to finish.
void onAttachRequest() {
  HookState& state = hookState();
  if (state.scanDone) {
    state.scanDone = false;
    state.taskbarList.clear();
  }
}

// A clock window by its class: also one of a taskbar re-created while the attach was going on,
// which is in no list of ours.
bool isClockWindow(const HookState& state, HWND window) {
  if (state.clockByWindow.contains(window))
    return true;
  char name[32] = {};
  GetClassNameA(window, name, sizeof(name));
  return lstrcmpA(name, "TrayClockWClass") == 0 || lstrcmpA(name, "ClockButton") == 0;
}

// endHook is detaching: the attach sequence ends here, so that neither the records still waiting
// (whose windows may be gone by the next start) nor the shell's re-layout before the hook is
// removed attach anything. The next attach request starts afresh with a new scan.
void endAttachSequence(HookState& state) {
  state.taskbarList.clear();
  state.scanDone = true;
  state.rescanArmed = false;
}

}  // namespace

UINT attachRequestMessage() {
  HookState& state = hookState();
  if (state.attachRequest == 0)
    state.attachRequest = RegisterWindowMessageA("ZembrikAttachRequest");
  return state.attachRequest;
}

LRESULT CALLBACK callWndHookProc(int code, WPARAM wParam, LPARAM lParam) {
  try {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    HookState& state = hookState();
    if (code == HC_ACTION && call && call->hwnd) {
      // The hook sees MSG_DETACH before the clock does, even in the middle of an attach. Other
      // windows of the shell's thread may use the same number for their own purposes.
      if (call->message == MSG_DETACH && isClockWindow(state, call->hwnd)) {
        endAttachSequence(state);
      } else if (!state.attaching) {
        if (call->message == attachRequestMessage())
          onAttachRequest();
        if (state.rescanArmed || !state.scanDone)
          attachNextTaskbar();
      }
    }
  } catch (...) {
    // Nothing may unwind into the shell; the next hooked message tries again.
    recordCaughtException(L"callWndHookProc");
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace zembrik
