#pragma once
// Our place in the chain of procedures of a shell window (a clock or the notification area).
// Another program may subclass the same window after us; it then calls the procedure it found,
// ours, for every message. Taking ourselves out of the chain would leave it calling a procedure
// that does nothing useful, so a window we cannot cleanly give back keeps forwarding through us.
#include <windows.h>

namespace zembrik {

// Puts `procedure` in `window`'s chain and returns the procedure it must call for everything it
// does not handle; null when Windows refused (nothing changed then). A window left forwarding by
// an earlier detach still has `procedure` in its chain: that place is taken up again instead of
// subclassing on top of a foreign procedure that would call us a second time.
WNDPROC enterChain(HWND window, WNDPROC procedure);

// Gives `window` back: `next` is put in place when `procedure` is still the one on top;
// otherwise `procedure` keeps forwarding every message of the window to `next`.
void leaveChain(HWND window, WNDPROC procedure, WNDPROC next);

// Where `procedure`'s messages for a window it left go; null when it left none there.
WNDPROC forwardingTarget(HWND window);

// The window is being destroyed: its forwarding entry goes (its handle may be reused).
void forgetForwarding(HWND window);

// Calls the forwarding target of `window`, or DefWindowProcA when it has none.
LRESULT forwardLeftWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace zembrik
