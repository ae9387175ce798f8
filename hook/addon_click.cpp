#include "hook/addon_click.h"

#include <windowsx.h>

#include <cstdint>

#include "engine/addons/addon_hit.h"
#include "hook/clock_instance.h"
#include "hook/hook_state.h"

namespace zembrik {

std::optional<AddonClick> addonUnderClick(const ClockInstance& clock, WPARAM wParam,
                                          LPARAM lParam) {
  const ClockAddonLayout& layout = clock.addonLayout;
  auto hit = addonHit(layout.edges(), layout.strip(), clock.config.placement.vertical,
                      GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  if (!hit)
    return std::nullopt;
  // The add-on may have unregistered since the face was drawn.
  auto window = hookState().addons.windowOf(hit->id);
  if (!window)
    return std::nullopt;
  return AddonClick{reinterpret_cast<HWND>(static_cast<std::uintptr_t>(*window)),
                    wParam | kAddonClickMarker, static_cast<LPARAM>(addonClickLParam(*hit))};
}

}  // namespace zembrik
