#include "hook/addon_messages.h"

#include <cstdint>

#include "engine/addons/addon_registry.h"
#include "engine/addons/addon_table.h"
#include "hook/clock_instance.h"
#include "hook/clock_paint.h"
#include "hook/clock_services.h"
#include "hook/clock_size.h"
#include "hook/hook_state.h"

namespace zembrik {

namespace {

// The receiving clock takes the changed add-on faces at once; the others at their next load.
LRESULT reloadAndRelayOut(ClockInstance& clock) {
  clock.addonLayout.forget();
  if (clock.visibilityState != VisibilityState::Visible) {
    reloadClockSettings(clock);
    releaseSurfaces(clock);
    return 0;
  }
  return static_cast<LRESULT>(answerSizeQuery(clock, /*forced=*/true));
}

}  // namespace

LRESULT onAddonRegister(ClockInstance& clock, WPARAM wParam, LPARAM lParam) {
  const auto window = reinterpret_cast<HWND>(lParam);
  if (window == nullptr || !IsWindow(window))
    return 0;
  HookState& state = hookState();
  const auto id = static_cast<std::int32_t>(wParam);
  const auto handle = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(window));
  const RegisterChange change = state.addons.registerAddon(id, handle);
  if (change == RegisterChange::Refused)
    return 0;
  if (change != RegisterChange::Unchanged)
    recordAddonWindow(*state.currentUser, id, static_cast<std::uint32_t>(handle));
  return reloadAndRelayOut(clock);
}

LRESULT onAddonUnregister(ClockInstance& clock, WPARAM wParam) {
  HookState& state = hookState();
  const auto id = static_cast<std::int32_t>(wParam);
  if (!state.addons.unregisterAddon(id))
    return 0;
  forgetAddonWindow(*state.currentUser, id);
  return reloadAndRelayOut(clock);
}

}  // namespace zembrik
