#include "clock_services.h"

#include "clock_instance.h"
#include "format/zone_table.h"
#include "win32/font_win32.h"
#include "win32/format_platform_win32.h"
#include "win32/registry_win32.h"
#include "win32/window_id_win32.h"

namespace zembrik {

ClockServices& clockServices() {
  static EmptyZoneTable zones;  // the configured time zones arrive with the time-zone loader
  static Win32SystemTimeZone systemZone;
  static Win32LockKeyStates lockKeys;
  static ClockServices services{fontCache(), processNameTables(), zones, systemZone, lockKeys};
  return services;
}

void reloadClockSettings(ClockInstance& clock) {
  ClockServices& services = clockServices();
  ClockPlacement& placement = clock.config.placement;
  placement.vertical = clock.vertical;
  placement.index = clock.clockIndex;
  placement.window = windowIdOf(clock.clock);
  placement.dpi = clock.dpi;
  RECT rect{};
  GetWindowRect(clock.clock, &rect);
  placement.windowHeight = rect.bottom - rect.top;
  placement.themeActive = false;  // visual-style detection comes with the theme support

  auto user = openCurrentUserRoot();
  SettingsSources sources{*user, services.fonts, services.names, services.zones};
  loadSettings(clock.config, sources);
  clock.hideShowDesktop = clock.config.hideShowDesktop;
  clock.repaintEveryTick = clock.config.refreshEverySecond;
}

}  // namespace zembrik
