#include "subclass_chain.h"

#include "hook_state.h"

namespace zembrik {

namespace {

bool isOnTop(HWND window, WNDPROC procedure) {
  return GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(procedure);
}

}  // namespace

WNDPROC enterChain(HWND window, WNDPROC procedure) {
  auto& forwarding = hookState().forwardingByWindow;
  if (auto left = forwarding.find(window); left != forwarding.end()) {
    WNDPROC next = left->second;
    forwarding.erase(left);
    return next;
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
