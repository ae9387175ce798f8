#include "engine/options/clock_set_model.h"

#include <algorithm>
#include <set>
#include <utility>

#include "engine/host_rules/settings_version.h"
#include "engine/options/registry_copy.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/monitor_keys.h"
#include "engine/settings/settings_paths.h"

namespace zembrik {
namespace {

constexpr std::size_t kThisNameChars = 4096;
constexpr std::u16string_view kSizePrefix = u"size_";

bool opensFromTop(const ScreenRect& upper, const ScreenRect& lower) {
  // Rectangles end before their bottom edge, so touching counts as above.
  return upper.bottom <= lower.top;
}

bool narrowerThanTall(const ScreenRect& rect) {
  return rect.right - rect.left < rect.bottom - rect.top;
}

}  // namespace

ClockSetModel::ClockSetModel(RegistryKey& currentUser, ClockSetWindows& windows,
                             ErrorReport reportError)
    : currentUser_(currentUser), windows_(windows), reportError_(std::move(reportError)) {}

ClockSetModel::~ClockSetModel() = default;

bool ClockSetModel::openSettingsKey() {
  if (settingsKey_)
    return true;
  OpenedKey opened =
      currentUser_.createSubkey(kSettingsRootPath, kKeyReadWrite, KeyLifetime::Persistent);
  if (!opened) {
    reportError_(std::u16string(kErrorOpenSettings));
    return false;
  }
  settingsKey_ = std::move(opened.key);
  return true;
}

void ClockSetModel::dropKeys() noexcept {
  sizeKey_.reset();
  nameKey_.reset();
  baseKey_.reset();
}

void ClockSetModel::closeKeys() {
  dropKeys();
  settingsKey_.reset();
}

RegistryKey* ClockSetModel::setKey() noexcept {
  if (sizeKey_)
    return sizeKey_.get();
  if (nameKey_)
    return nameKey_.get();
  return baseKey_.get();
}

MonitorItem ClockSetModel::variantMode() const noexcept {
  if (nameKey_ && sizeKey_)
    return kNameAndSizeVariant;
  if (nameKey_)
    return kNameVariant;
  if (sizeKey_)
    return kSizeVariant;
  return kAnyMonitor;
}

ClockSetInUse ClockSetModel::inUse() const {
  return {current_, variantMode(), fallback_, baseKey_ != nullptr, monitorName_, sizeText_};
}

void ClockSetModel::reportOpenError(std::u16string_view keyName) {
  reportError_(std::u16string(kErrorOpenSettings) + u"\\" + std::u16string(keyName));
}

bool ClockSetModel::selectClockSet(ClockSetId id, PageCombos* combos) {
  if (combos)
    combos->changes = {};
  if (!settingsKey_)
    return false;
  const ClockSetId previous = current_;
  const std::vector<ClockSetId> previousSets = std::move(secondarySets_);
  secondarySets_.clear();
  clockWindows_.clear();
  if (id != kUndeterminedSet)
    current_ = id;

  followPrimaryTaskbar();
  readRunningClocks();
  followSecondaryTaskbars();
  readStoredSets();
  // Without a taskbar to judge by, the primary horizontal set is edited.
  if (current_ == kUndeterminedSet)
    current_ = kPrimaryHorizontalSet;

  if (combos)
    fillClockSetCombo(*combos, previous, previousSets);
  auto window = clockWindows_.find(clockNumberOf(current_));
  selectedClock_ = window == clockWindows_.end() ? kNoWindow : window->second;

  if (!openSetKey())
    return combos && combos->changes.any();
  findMonitorVariant();
  if (combos) {
    fillMonitorCombo(*combos);
    lastFilled_ = combos;
  }
  return combos && combos->changes.any();
}

bool ClockSetModel::chooseClockSet(ClockSetId id, PageCombos* combos) {
  selectedClock_ = kNoWindow;
  return selectClockSet(id, combos);
}

void ClockSetModel::followPrimaryTaskbar() {
  std::optional<PrimaryTaskbarWindows> primary = windows_.primaryTaskbar();
  if (!primary || !primary->rebarRect || primary->clock == kNoWindow)
    return;
  clockWindows_[0] = primary->clock;
  if (primary->clock != selectedClock_ && current_ != kUndeterminedSet)
    return;
  selectedClock_ = primary->clock;
  current_ = opensFromTop(*primary->rebarRect, primary->clockRect) ? kPrimaryVerticalSet
                                                                   : kPrimaryHorizontalSet;
}

void ClockSetModel::readRunningClocks() {
  OpenedKey self = currentUser_.openSubkey(kThisKeyPath, kKeyRead);
  if (!self)
    return;
  std::uint32_t subkeys = 0;
  std::uint32_t values = 0;
  if (self.key->countEntries(subkeys, values) != RegStatus::Ok)
    return;
  std::set<ClockSetId> running;
  RegEnumEntry entry;
  // From the last value down, as the hook library may add values meanwhile.
  for (std::uint32_t index = values; index-- > 0;) {
    RegStatus status = self.key->enumValue(index, kThisNameChars, entry);
    if (status == RegStatus::MoreData)
      continue;
    if (status != RegStatus::Ok)
      break;
    std::optional<int> low = clockNumberAfterPrefix(entry.name, u"hwndLo_");
    std::optional<int> number = low ? low : clockNumberAfterPrefix(entry.name, u"hwndHi_");
    if (!number)
      continue;
    std::optional<std::uint32_t> handle = readNumber(*self.key, entry.name);
    if (!handle)
      continue;
    if (low)
      clockWindows_[*number] = *handle;
    running.insert(secondarySet(*number, false));
    running.insert(secondarySet(*number, true));
  }
  secondarySets_.assign(running.begin(), running.end());
}

void ClockSetModel::followSecondaryTaskbars() {
  if (selectedClock_ == kNoWindow)
    return;
  for (const SecondaryTaskbarWindows& taskbar : windows_.secondaryTaskbars()) {
    if (taskbar.clockButton != selectedClock_)
      continue;
    for (const auto& [number, window] : clockWindows_) {
      if (number != 0 && window == selectedClock_) {
        current_ = secondarySet(number, narrowerThanTall(taskbar.taskbarRect));
        break;
      }
    }
    return;
  }
}

void ClockSetModel::readStoredSets() {
  std::uint32_t subkeys = 0;
  std::uint32_t values = 0;
  if (settingsKey_->countEntries(subkeys, values) != RegStatus::Ok)
    return;
  std::set<ClockSetId> sets(secondarySets_.begin(), secondarySets_.end());
  RegEnumEntry entry;
  for (std::uint32_t index = subkeys; index-- > 0;) {
    RegStatus status = settingsKey_->enumSubkey(index, kEnumNameChars, entry);
    if (status == RegStatus::MoreData)
      continue;
    if (status != RegStatus::Ok)
      break;
    if (auto vertical = clockNumberAfterPrefix(entry.name, u"vertical_"))
      sets.insert(secondarySet(*vertical, true));
    else if (auto horizontal = clockNumberAfterPrefix(entry.name, u"horizontal_"))
      sets.insert(secondarySet(*horizontal, false));
  }
  secondarySets_.assign(sets.begin(), sets.end());
}

void ClockSetModel::fillClockSetCombo(PageCombos& combos, ClockSetId previous,
                                      const std::vector<ClockSetId>& previousSets) {
  const bool otherPage = lastFilled_ != &combos;
  ClockSetCombo& combo = combos.clockSet;
  if (otherPage || secondarySets_ != previousSets) {
    combo.comboShown = !secondarySets_.empty();
    combo.items = combo.comboShown ? clockSetItems(secondarySets_) : std::vector<ComboItem>{};
    combo.selection = lastIndexOfData(combo.items, current_);
    combos.changes.setComboRefilled = true;
  }
  if (otherPage || current_ != previous) {
    combo.selection = lastIndexOfData(combo.items, current_);
    combo.label = clockSetLabel(current_);
    combos.changes.setSelectionMoved = true;
  }
}

bool ClockSetModel::openSetKey() {
  dropKeys();
  fallback_ = false;
  const std::u16string own = secondaryKeyName(current_);
  if (!own.empty()) {
    if (OpenedKey opened = settingsKey_->openSubkey(own, kKeyReadWrite)) {
      baseKey_ = std::move(opened.key);
      setKeyErrorShown_ = false;
      return true;
    }
  }
  const std::u16string orientation = orientationKeyName(current_);
  OpenedKey opened =
      settingsKey_->createSubkey(orientation, kKeyReadWrite, KeyLifetime::Persistent);
  if (!opened) {
    // Reported once while the failure lasts: the refresh retries every second, also while the
    // message box's own loop runs.
    if (!std::exchange(setKeyErrorShown_, true))
      reportOpenError(orientation);
    return false;
  }
  baseKey_ = std::move(opened.key);
  fallback_ = !own.empty();
  setKeyErrorShown_ = false;
  return true;
}

void ClockSetModel::findMonitorVariant() {
  monitorName_.clear();
  sizeText_.clear();
  if (selectedClock_ == kNoWindow)
    return;
  std::optional<MonitorFacts> monitor = windows_.monitorOf(selectedClock_);
  if (!monitor)
    return;
  monitorName_ = monitorIdFromDeviceId(monitor->deviceId);
  if (!monitorName_.empty()) {
    if (OpenedKey name = baseKey_->openSubkey(monitorKeyName(monitorName_), kKeyReadWrite))
      nameKey_ = std::move(name.key);
  }
  const std::u16string sizeName = sizeKeyName(monitor->width, monitor->height, monitor->dpi);
  if (sizeName.empty())
    return;
  sizeText_ = sizeName.substr(kSizePrefix.size());
  if (OpenedKey size = setKey()->openSubkey(sizeName, kKeyReadWrite))
    sizeKey_ = std::move(size.key);
}

void ClockSetModel::fillMonitorCombo(PageCombos& combos) {
  MonitorCombo& combo = combos.monitor;
  const MonitorItem mode = variantMode();
  if (combo.selection >= 0 && !combo.items.empty() && combo.items.front().data == mode &&
      combo.shownName == monitorName_ && combo.shownSize == sizeText_) {
    return;
  }
  combo.items = monitorItems(mode, monitorName_, sizeText_);
  combo.selection = 0;
  combo.shownName = monitorName_;
  combo.shownSize = sizeText_;
  combos.changes.monitorComboRefilled = true;
}

RegistryKey* ClockSetModel::ownSetKey() {
  RegistryKey* inUse = setKey();
  if (!inUse || !fallback_)
    return inUse;
  const std::u16string own = secondaryKeyName(current_);
  OpenedKey created = settingsKey_->createSubkey(own, kKeyReadWrite, KeyLifetime::Persistent);
  if (!created) {
    reportOpenError(own);
    dropKeys();
    return nullptr;
  }
  // The primary set (or its monitor variant) showed until now: the new key starts with its
  // values and no variants, so the clock's face stays as it was.
  copyValues(*inUse, *created.key);
  dropKeys();
  baseKey_ = std::move(created.key);
  fallback_ = false;
  return baseKey_.get();
}

bool ClockSetModel::writeSetNumber(std::u16string_view name, std::uint32_t value) {
  RegistryKey* inUse = setKey();
  if (!inUse)
    return false;
  if (readNumber(*inUse, name) == value)
    return true;
  RegistryKey* own = ownSetKey();
  return own && writeNumber(*own, name, value);
}

bool ClockSetModel::writeSetText(std::u16string_view name, std::u16string_view value) {
  RegistryKey* inUse = setKey();
  if (!inUse)
    return false;
  if (readText(*inUse, name) == value)
    return true;
  RegistryKey* own = ownSetKey();
  return own && writeText(*own, name, value);
}

void ClockSetModel::notifyClock(NotifyScope scope) {
  for (WindowRef target : reloadTargets(scope, selectedClock_, windows_))
    windows_.postReload(target);
}

}  // namespace zembrik
