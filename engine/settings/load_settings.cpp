#include "engine/settings/load_settings.h"

#include "engine/meters/meter_values.h"
#include "engine/names/name_loading.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/clock_set_key.h"
#include "engine/settings/face_loading.h"
#include "engine/settings/monitor_variant_key.h"
#include "engine/settings/mouse_settings.h"
#include "engine/settings/settings_paths.h"
#include "engine/settings/this_key.h"

namespace zembrik {

namespace {

// Cells go last first, as they were made; each cell's font goes back to the cache with it.
void releaseFace(ClockConfig& clock) {
  while (!clock.cells.empty()) clock.cells.pop_back();
  clock.columns = 1;
  clock.ownColumns = 1;
  clock.rows = 0;
  clock.columnMetrics.assign(1, ColumnMetrics{});
}

void reloadTimeZones(const SettingsSources& sources, RegistryKey& root) {
  if (sources.reloadZones)
    sources.reloadZones(root);
}

// --- Steps that belong to features built later. Each is called at its place in the load
// order and does nothing yet; the feature fills it in.

// The variant of the clock's monitor and its size, where one exists. Without a monitor source
// (the host, most tests) the clock uses its orientation key itself.
OpenedKey refineClockSetKeyForMonitor(OpenedKey set, const ClockConfig& clock,
                                      const SettingsSources& sources) {
  if (!sources.monitors)
    return set;
  return openMonitorVariant(std::move(set), clock.placement.window, *sources.monitors);
}

// `memLoad` ... `btrOnAC`; every meter is off when the face has no rows (`nColumns` and `nRows`
// present, `nRows` below 1).
void readMeters(ClockConfig& clock, RegistryKey& set, bool faceHasRows,
                const SettingsSources& sources) {
  MainsMode dropped = MainsMode::ShownWhileCharging;
  readMeterSettings(clock.meters, set, faceHasRows,
                    sources.meters != nullptr ? sources.meters->mainsMode : dropped);
}

// Add-on faces are not merged yet.
void mergeAddOnFaces(ClockConfig& /*clock*/, RegistryKey& /*set*/) {}

void readMouseAndTooltip(ClockConfig& clock, RegistryKey& root, const SettingsSources& sources) {
  MouseActions actions = readMouseActions(root, sources.osGeneration);
  if (sources.mouseActions)
    *sources.mouseActions = actions;
  clock.tooltipFormat = readTooltipFormat(root, sources.zones);
}

// The theme state is not re-read yet: `placement.themeActive` stays as the caller set it.
void rereadThemeState(ClockConfig& /*clock*/) {}

// --- Steps of this loader.

void readFaceValues(ClockConfig& clock, RegistryKey& set) {
  clock.flatTray = readNumber(set, u"FlatTray").value_or(0) != 0;
  clock.separator = readNumber(set, u"separator").value_or(0);
}

void readMargins(ClockConfig& clock, RegistryKey& set) {
  clock.margins.top = static_cast<int>(readNumber(set, u"top").value_or(0));
  clock.margins.bottom = static_cast<int>(readNumber(set, u"bottom").value_or(0));
  clock.margins.left = static_cast<int>(readNumber(set, u"left").value_or(0));
  clock.margins.right = static_cast<int>(readNumber(set, u"right").value_or(0));
}

struct GridCounts {
  std::optional<std::uint32_t> columns;
  std::optional<std::uint32_t> rows;
  bool bothPresent() const noexcept { return columns && rows; }
};

void buildFace(ClockConfig& clock, RegistryKey& set, const GridCounts& counts,
               const SettingsSources& sources) {
  int columns = gridCount(counts.columns.value_or(0));
  int rows = gridCount(counts.rows.value_or(0));
  if ((columns != 0 && rows != 0) || counts.bothPresent()) {
    readMargins(clock, set);
    if (columns == 0) {
      // A stored grid of no columns shows nothing, like one of no rows; the layout still gets
      // its one column.
      clock.columns = 1;
      return;
    }
    clock.columns = columns;
    appendGridCells(clock, set, columns, rows, sources.fonts, sources.zones);
  } else {
    buildDefaultFace(clock, sources.fonts, sources.zones);
  }
}

void countRows(ClockConfig& clock) {
  auto columns = static_cast<std::size_t>(clock.columns);
  clock.rows = static_cast<int>((clock.cells.size() + columns - 1) / columns);
  clock.ownColumns = clock.columns;
}

}  // namespace

LoadOutcome loadSettings(ClockConfig& clock, const SettingsSources& sources) {
  auto root = sources.currentUser.openSubkey(kSettingsRootPath, kKeyRead);  // 1
  if (!root)
    return LoadOutcome::NoSettingsRoot;

  releaseFace(clock);                   // 2
  reloadTimeZones(sources, *root.key);  // 3

  if (!writeThisKey(sources.currentUser, clock.placement)) {  // 4
    return LoadOutcome::NoThisKey;
  }

  clock.batteryAlarmThreshold = readNumber(*root.key, u"btrAlarm").value_or(0);  // 5

  auto set = openClockSetKey(*root.key, sources.currentUser, clock.placement.vertical,  // 6
                             clock.placement.index);
  if (!set)
    return LoadOutcome::NoClockSetKey;
  set = refineClockSetKeyForMonitor(std::move(set), clock, sources);
  RegistryKey& setKey = *set.key;

  GridCounts counts{readNumber(setKey, u"nColumns"), readNumber(setKey, u"nRows")};  // 7

  bool faceHasRows = !(counts.bothPresent() && gridCount(*counts.rows) == 0);  // 8
  readMeters(clock, setKey, faceHasRows, sources);
  readFaceValues(clock, setKey);

  buildFace(clock, setKey, counts, sources);  // 9
  countRows(clock);                           // 10

  mergeAddOnFaces(clock, setKey);  // 11
  clock.columnMetrics.assign(static_cast<std::size_t>(clock.columns), ColumnMetrics{});

  clock.hideShowDesktop = readNumber(*root.key, u"hideShowDesktop").value_or(0);  // 12
  readMouseAndTooltip(clock, *root.key, sources);

  loadNameTexts(sources.names, *root.key);  // 13

  // 14. The painter decides at its next pass whether every tick needs a repaint. The time of
  // the load is taken by the clock window, which owns the minute of the last paint; the keys
  // close as they go out of scope.
  clock.refreshEverySecond = true;
  rereadThemeState(clock);
  return LoadOutcome::Loaded;
}

}  // namespace zembrik
