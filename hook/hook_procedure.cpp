#include "hook_procedure.h"

#include "clock_attach.h"
#include "hook_state.h"
#include "protocol/window_messages.h"
#include "taskbar_scan.h"

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
    int reason = scanTaskbars(state.taskbarList, ScanMode::Sorted);
    if (reason != 0 && host) SendMessageA(host, MSG_START_FAILED, 0, reason);
  }
  if (state.taskbarList.empty()) return;
  TaskbarRecord record = state.taskbarList.back();
  state.taskbarList.pop_back();
  state.scanDone = state.taskbarList.empty();
  AttachInProgress busy(state);
  attachClock(record, static_cast<int>(state.taskbarList.size()));
  if (host) PostMessageA(host, MSG_CLOCK_ATTACHED, reinterpret_cast<WPARAM>(record.clock), 0);
}

// A new attach request after every clock was given back starts the attachment afresh.
void onAttachRequest() {
  HookState& state = hookState();
  if (state.clockByWindow.empty() && state.scanDone) {
    state.scanDone = false;
    state.taskbarList.clear();
  }
}

}  // namespace

UINT attachRequestMessage() {
  static const UINT message = RegisterWindowMessageA("ZembrikAttachRequest");
  return message;
}

LRESULT CALLBACK callWndHookProc(int code, WPARAM wParam, LPARAM lParam) {
  try {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    HookState& state = hookState();
    if (code == HC_ACTION && call && call->hwnd && !state.attaching) {
      if (call->message == attachRequestMessage()) onAttachRequest();
      if (state.rescanArmed || !state.scanDone) attachNextTaskbar();
    }
  } catch (...) {
    // Nothing may unwind into the shell; the next hooked message tries again.
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace zembrik
