#pragma once
// `loadSettings`: rebuilds a clock's whole configuration from the registry.
#include <functional>

#include "engine/format/zone_table.h"
#include "engine/meters/meter_process_state.h"
#include "engine/names/name_tables.h"
#include "engine/registry/registry_key.h"
#include "engine/settings/clock_config.h"
#include "engine/settings/font_cache.h"
#include "engine/settings/monitor_source.h"
#include "engine/settings/mouse_settings.h"

namespace zembrik {

// What a load reads from and shares with the other clocks of the process.
struct SettingsSources {
  RegistryKey& currentUser;  // HKEY_CURRENT_USER
  FontCache& fonts;
  NameTables& names;
  ZoneTable& zones;  // the configured time zones, resolved by the cells' zone switches
  // Takes the battery meter's mains mode ("btrOnAC"), which the last load sets for every clock
  // of the process. Null: the mode is read and dropped.
  MeterProcessState* meters = nullptr;
  // Rebuilds the configured time zones behind `zones` from the settings root (step 3 of every
  // load). Empty: the zones stay as the caller made them (the host and most tests).
  std::function<void(RegistryKey& settingsRoot)> reloadZones;
  // Where the clock window stands: picks the variant of its monitor and that monitor's size
  // below the clock-set key. Null: the clock-set key itself (the host, most tests).
  MonitorSource* monitors = nullptr;
  // Takes the button actions, which the last load sets for every clock of the process. Null:
  // they are read and dropped.
  MouseActions* mouseActions = nullptr;
  int osGeneration = 0;  // picks the default button actions
};

enum class LoadOutcome {
  Loaded,
  NoSettingsRoot,  // nothing changed
  NoThisKey,       // the face was emptied and stays empty
  NoClockSetKey,   // the face was emptied and stays empty
};

// Reads everything from the settings root and the clock's set key into `clock`, whose placement
// (orientation, index, window, DPI, height, theme state) the caller has filled in. Never
// throws for anything found in the registry; the outcome is for callers that care.
LoadOutcome loadSettings(ClockConfig& clock, const SettingsSources& sources);

}  // namespace zembrik
