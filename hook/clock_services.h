#pragma once
// The engine services every clock of the shell shares: fonts, names, zones, system state.
#include "engine/format/format_render.h"
#include "engine/meters/alarm_display.h"
#include "engine/meters/meter_process_state.h"
#include "engine/meters/system_load.h"
#include "engine/names/name_tables.h"
#include "engine/settings/font_cache.h"
#include "engine/settings/load_settings.h"
#include "engine/timezone/configured_zone_table.h"
#include "platform/win32/format_platform_win32.h"

namespace zembrik {

struct ClockInstance;

struct ClockServices {
  FontCache& fonts;
  NameTables& names;
  ZoneTable& zones;
  SystemTimeZoneSource& systemZone;
  Win32LockKeyStates& lockKeys;  // kept within a minute, forgotten on a lock key's nudge
  MeterProcessState& meters;
  SystemLoad& systemLoad;
  AlarmNames& alarmNames;
};

// The services of the process's state (hook_state.h).
ClockServices& clockServices();

// Loads the clock's whole configuration for its current placement (orientation, index, window,
// DPI and height), as at attach and on every reload.
void reloadClockSettings(ClockInstance& clock);

}  // namespace zembrik
