#pragma once
// The hidden host window, class "ZembrikClass", title "Zembrik": the switchboard for the hook
// library's reports and clicks and the options program's reload requests.
#include <memory>
#include <type_traits>

#include "engine/protocol/window_messages.h"
#include "host/host_state_win32.h"
#include "platform/win32/window_bindings_win32.h"

namespace zembrik {

inline constexpr WORD kHostIconResource = 107;

// Registered before the window is made, so that it is unregistered after the window is gone.
RegisteredClass registerHostWindowClass(HINSTANCE instance);

// The host window normally ends with its message loop (WM_CLOSE destroys it). When it outlives
// the loop, or the loop never ran, it is destroyed here, first detached from its state: the
// state ends with the start-up code, and the window's last messages must not reach it.
struct HostWindowCloser {
  void operator()(HWND window) const noexcept;
};
using UniqueHostWindow = std::unique_ptr<std::remove_pointer_t<HWND>, HostWindowCloser>;

// Creates the window (never shown) with `state` as its object; sets state.hostWindow.
UniqueHostWindow createHostWindow(HostState& state);

}  // namespace zembrik
