#include "hook/subclass_chain.h"

#include "hook/hook_state.h"

namespace zembrik {

namespace {

bool isOnTop(HWND window, WNDPROC procedure) {
  return GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(procedure);
}

// True when the window runs nothing but its class's procedure. Both read in the W form, in which
// Windows (and Wine) give the same value for the same procedure.
bool runsClassProcedure(HWND window) {
  return GetWindowLongPtrW(window, GWLP_WNDPROC) ==
         static_cast<LONG_PTR>(GetClassLongPtrW(window, GCLP_WNDPROC));
}

}  // namespace

WNDPROC enterChain(HWND window, WNDPROC procedure) {
  auto& forwarding = hookState().forwardingByWindow;
  if (auto left = forwarding.find(window); left != forwarding.end()) {
    WNDPROC next = left->second;
    forwarding.erase(left);
    if (!runsClassProcedure(window))
      return next;
    // The foreign procedure took itself out together with ours (or the handle now names another
    // window): the entry is stale, and the window is subclassed afresh.
  }
  const LONG_PTR previous =
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  if (previous == 0)
    return nullptr;  // refused (a window always has a procedure)
  return reinterpret_cast<WNDPROC>(previous);
}

void leaveChain(HWND window, WNDPROC procedure, WNDPROC next) {
  if (!next)
    return;
  if (isOnTop(window, procedure)) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(next));
    return;
  }
  // A foreign procedure (or a destroyed window): whoever calls us next is forwarded.
  if (IsWindow(window))
    hookState().forwardingByWindow[window] = next;
}

WNDPROC forwardingTarget(HWND window) {
  auto& forwarding = hookState().forwardingByWindow;
  auto found = forwarding.find(window);
  return found == forwarding.end() ? nullptr : found->second;
}

void forgetForwarding(HWND window) {
  hookState().forwardingByWindow.erase(window);
}

LRESULT forwardLeftWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC next = forwardingTarget(window);
  if (!next)
    return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY)
    forgetForwarding(window);
  return CallWindowProcA(next, window, message, wParam, lParam);
}

}  // namespace zembrik
