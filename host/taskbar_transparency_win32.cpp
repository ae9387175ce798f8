#include "host/taskbar_transparency_win32.h"

namespace zembrik {

namespace {

void makeLayered(HWND window, BYTE opacity, SetLayeredWindowAttributesFn setAttributes) {
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
  if (!(style & WS_EX_LAYERED))
    SetWindowLongPtrA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
  setAttributes(window, 0, opacity, LWA_ALPHA);
}

void removeLayered(HWND window) {
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
  if (style & WS_EX_LAYERED)
    SetWindowLongPtrA(window, GWL_EXSTYLE, style & ~LONG_PTR{WS_EX_LAYERED});
}

}  // namespace

void setTaskbarTransparency(HostState& state, std::uint32_t alpha, bool apply) {
  if (!state.transparency.set(alpha, apply))
    return;
  const auto setAttributes = state.user32.setLayeredAttributes;
  if (!setAttributes || !state.taskbar || !IsWindow(state.taskbar))
    return;
  const bool startMenuToo = state.legacyMode && state.startMenu && IsWindow(state.startMenu);
  if (alpha != 0) {
    makeLayered(state.taskbar, opacityForAlpha(alpha), setAttributes);
    if (startMenuToo)
      makeLayered(state.startMenu, 254, setAttributes);
  } else {
    removeLayered(state.taskbar);
    if (startMenuToo)
      removeLayered(state.startMenu);
  }
}

void reapplyTaskbarTransparency(HostState& state) {
  setTaskbarTransparency(state, state.transparency.prepareReapply(), true);
}

}  // namespace zembrik
