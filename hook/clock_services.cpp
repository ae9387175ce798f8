#include "hook/clock_services.h"

#include "engine/timezone/zone_loading.h"
#include "hook/clock_instance.h"
#include "hook/clock_theme.h"
#include "hook/hook_state.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/window_id_win32.h"
#include "platform/win32/zone_names_win32.h"

namespace zembrik {

ClockServices& clockServices() {
  return hookState().services;
}

void reloadClockSettings(ClockInstance& clock) {
  // The load may delete fonts of the old cells, and GDI must not delete a font that the
  // clock's off-screen context still holds.
  if (clock.painter)
    clock.painter->deselectFonts();
  ClockServices& services = clockServices();
  ClockPlacement& placement = clock.config.placement;
  placement.vertical = clock.vertical;
  placement.index = clock.clockIndex;
  placement.window = windowIdOf(clock.clock);
  placement.dpi = clock.dpi;
  RECT rect{};
  GetWindowRect(clock.clock, &rect);
  placement.windowHeight = rect.bottom - rect.top;
  // The theme is detected again with every load; the `this` key reports it.
  refreshThemeState();
  placement.themeActive = hookState().theme.themeActive();

  auto user = openCurrentUserRoot();
  SettingsSources sources{
      *user,
      services.fonts,
      services.names,
      services.zones,
      &services.meters,
      [](RegistryKey& root) { reloadTimeZones(hookState().zones, root, win32ZoneDatabase()); },
      &hookState().monitors,
      &hookState().mouseActions,
      hookState().osGeneration};
  loadSettings(clock.config, sources);
  clock.hideShowDesktop = clock.config.hideShowDesktop;
  clock.repaintEveryTick = clock.config.refreshEverySecond;
}

}  // namespace zembrik
