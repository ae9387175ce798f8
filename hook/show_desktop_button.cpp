#include "hook/show_desktop_button.h"

#include "engine/protocol/window_messages.h"
#include "engine/taskbar/packed_size.h"
#include "hook/clock_instance.h"
#include "hook/hook_state.h"
#include "hook/subclass_chain.h"
#include "platform/win32/caught_exception_win32.h"

namespace zembrik {

namespace {

LRESULT dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, WNDPROC native) {
  switch (message) {
    case WM_SIZE:
    case MSG_GET_SIZE:
      return 0;
    case WM_NCHITTEST:
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_NCDESTROY: {
      HookState& state = hookState();
      state.subclassedShowDesktop = nullptr;
      state.nativeShowDesktopProc = nullptr;
      return CallWindowProcA(native, window, message, wParam, lParam);
    }
    default:
      return CallWindowProcA(native, window, message, wParam, lParam);
  }
}

}  // namespace

void takeOverShowDesktop(ClockInstance& clock) {
  if (!clock.hideShowDesktop || !clock.isMain())
    return;
  HWND button = FindWindowExA(clock.notify, nullptr, "TrayShowDesktopButtonWClass", nullptr);
  if (!button) {
    clock.hideShowDesktop = 0;
    return;
  }
  RECT rect{};
  GetWindowRect(button, &rect);
  clock.showDesktopSize = packSize(rect.right - rect.left, rect.bottom - rect.top);
  HookState& state = hookState();
  // A second replacement would find ours (or a foreign one forwarding to ours) as its native
  // procedure and call itself for ever: a button already ours stays as it is.
  if (state.subclassedShowDesktop == button && state.nativeShowDesktopProc) {
    clock.showDesktopButton = button;
    return;
  }
  WNDPROC native = enterChain(button, showDesktopProc);
  if (!native)
    return;
  state.subclassedShowDesktop = button;
  state.nativeShowDesktopProc = native;
  clock.showDesktopButton = button;
}

void releaseShowDesktop(ClockInstance& clock) {
  HWND button = clock.showDesktopButton;
  clock.showDesktopButton = nullptr;
  HookState& state = hookState();
  if (!button || state.subclassedShowDesktop != button)
    return;
  WNDPROC native = state.nativeShowDesktopProc;
  state.subclassedShowDesktop = nullptr;
  state.nativeShowDesktopProc = nullptr;
  leaveChain(button, showDesktopProc, native);
}

LRESULT CALLBACK showDesktopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    HookState& state = hookState();
    if (window != state.subclassedShowDesktop || !state.nativeShowDesktopProc)
      return forwardLeftWindow(window, message, wParam, lParam);
    return dispatch(window, message, wParam, lParam, state.nativeShowDesktopProc);
  } catch (...) {
    recordCaughtException(L"showDesktopProc");
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace zembrik
