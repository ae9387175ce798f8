// The monitor combo's actions: disabling a monitor variant by renaming its key to a name the
// clocks do not look for, and enabling one (again).
#include "engine/options/clock_set_model.h"
#include "engine/options/registry_copy.h"
#include "engine/settings/monitor_keys.h"

namespace zembrik {
namespace {

constexpr std::u16string_view kSizePrefix = u"size_";

}  // namespace

void ClockSetModel::chooseMonitorItem(int index, PageCombos& combos, const SeedNewKey& seedNewKey) {
  combos.changes = {};
  if (index < 0 || index >= static_cast<int>(combos.monitor.items.size()))
    return;
  combos.monitor.selection = index;
  switch (combos.monitor.items[static_cast<size_t>(index)].data) {
    case kDisableNameVariant:
      renameVariant(nameKey_, monitorName_, combos);
      break;
    case kDisableSizeVariant:
      renameVariant(sizeKey_, sizeText_, combos);
      break;
    case kEnableSizeVariant:
      enableVariant(kEnableSizeVariant, combos, seedNewKey);
      break;
    case kEnableNameVariant:
      enableVariant(kEnableNameVariant, combos, seedNewKey);
      break;
    default:  // the items that describe the current state
      return;
  }
  // An action that could not be carried out leaves the combo describing the state as it is,
  // not showing the action as if it were done.
  MonitorCombo& combo = combos.monitor;
  if (combo.selection > 0 && combo.selection < static_cast<int>(combo.items.size()) &&
      combo.items[static_cast<size_t>(combo.selection)].data >= kDisableNameVariant) {
    combo.selection = 0;
    combos.changes.monitorComboRefilled = true;
  }
}

void ClockSetModel::renameVariant(std::unique_ptr<RegistryKey>& variant,
                                  const std::u16string& bareName, PageCombos& combos) {
  // When the rename is impossible the variant stays in use; the refresh shows that.
  if (variant && !bareName.empty())
    variant->rename(bareName);
  selectedClock_ = kNoWindow;
  selectClockSet(kUndeterminedSet, &combos);
  notifyClock(NotifyScope::SelectedClock);
}

void ClockSetModel::enableVariant(MonitorItem item, PageCombos& combos,
                                  const SeedNewKey& seedNewKey) {
  const bool bySize = item == kEnableSizeVariant;
  const std::u16string bare = bySize ? sizeText_ : monitorName_;
  if (bare.empty() || !setKey())
    return;
  if (usesStandInKey() && !ownSetKey())
    return;
  // Name variants live right below the set key, where the clocks look for them, also when a
  // size variant is in use (which then moves along as a copy, below).
  RegistryKey& parent = (bySize && nameKey_) ? *nameKey_ : *baseKey_;
  const std::u16string variantName =
      bySize ? std::u16string(kSizePrefix) + bare : monitorKeyName(bare);
  std::unique_ptr<RegistryKey> variant;
  bool created = false;
  if (OpenedKey disabled = parent.openSubkey(bare, kKeyReadWrite);
      disabled && disabled.key->rename(variantName) == RegStatus::Ok) {
    variant = std::move(disabled.key);
  } else if (parent.openSubkey(variantName, kKeyRead)) {
    return;
  } else {
    OpenedKey made = parent.createSubkey(variantName, kKeyReadWrite, KeyLifetime::Persistent);
    if (!made) {
      reportOpenError(variantName);
      return;
    }
    copyValues(parent, *made.key);
    variant = std::move(made.key);
    created = true;
  }

  if (bySize) {
    sizeKey_ = std::move(variant);
  } else {
    // A size variant in use keeps the face: the name variant gets it as its own size variant.
    std::unique_ptr<RegistryKey> sizeInUse = std::move(sizeKey_);
    nameKey_ = std::move(variant);
    if (sizeInUse) {
      const std::u16string sizeName = std::u16string(kSizePrefix) + sizeText_;
      if (OpenedKey inside = nameKey_->openSubkey(sizeName, kKeyReadWrite)) {
        sizeKey_ = std::move(inside.key);
      } else if (OpenedKey copy =
                     nameKey_->createSubkey(sizeName, kKeyReadWrite, KeyLifetime::Persistent)) {
        copyValues(*sizeInUse, *copy.key);
        sizeKey_ = std::move(copy.key);
      }
    }
  }
  if (created && seedNewKey)
    seedNewKey();
  notifyClock(NotifyScope::SelectedClock);
  selectedClock_ = kNoWindow;
  selectClockSet(kUndeterminedSet, &combos);
}

}  // namespace zembrik
