#include "clock_services.h"

#include "clock_instance.h"
#include "clock_theme.h"
#include "timezone/configured_zone_table.h"
#include "timezone/zone_loading.h"
#include "win32/font_win32.h"
#include "win32/format_platform_win32.h"
#include "win32/registry_win32.h"
#include "win32/system_load_win32.h"
#include "win32/window_id_win32.h"
#include "win32/zone_names_win32.h"

namespace zembrik {

ClockServices& clockServices() {
  static Win32SystemTimeZone systemZone;
  static Win32LockKeyStates lockKeys;
  static MeterProcessState meters;
  static SystemLoadWin32 systemLoad;
  static std::unique_ptr<RegistryKey> user = openCurrentUserRoot();
  static RegistryAlarmNames alarmNames(*user);
  static ClockServices services{
      fontCache(), processNameTables(), processZoneTable(), systemZone, lockKeys,
      meters,      systemLoad,          alarmNames};
  return services;
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
  placement.themeActive = themeBinding().themeActive();

  auto user = openCurrentUserRoot();
  SettingsSources sources{
      *user,
      services.fonts,
      services.names,
      services.zones,
      &services.meters,
      [](RegistryKey& root) { reloadTimeZones(processZoneTable(), root, win32ZoneDatabase()); }};
  loadSettings(clock.config, sources);
  clock.hideShowDesktop = clock.config.hideShowDesktop;
  clock.repaintEveryTick = clock.config.refreshEverySecond;
}

}  // namespace zembrik
