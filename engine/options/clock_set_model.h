#pragma once
// The settings editor's clock-set state, shared by every page: which clock set (clock and
// orientation) the per-set values go to, its key and monitor variant, the running clocks, and
// whom a change is told to. Portable: windows through ClockSetWindows, keys through the
// registry interface.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/options/clock_set_combos.h"
#include "engine/options/clock_set_id.h"
#include "engine/options/clock_set_windows.h"
#include "engine/options/reload_targets.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

// Which key per-set values come from: a page reads its values again when this changes.
struct ClockSetInUse {
  ClockSetId set = kUndeterminedSet;
  MonitorItem mode = kAnyMonitor;
  bool standIn = false;
  bool open = false;
  std::u16string monitorName;
  std::u16string sizeText;

  bool operator==(const ClockSetInUse&) const = default;
};

class ClockSetModel {
 public:
  // Shows an error text in a message box with caption "Error" and the exclamation icon.
  using ErrorReport = std::function<void(const std::u16string& text)>;
  // The page's SeedNewKey(1): writes its current values into a just created variant key.
  using SeedNewKey = std::function<void()>;

  ClockSetModel(RegistryKey& currentUser, ClockSetWindows& windows, ErrorReport reportError);
  ~ClockSetModel();
  ClockSetModel(const ClockSetModel&) = delete;
  ClockSetModel& operator=(const ClockSetModel&) = delete;

  // Page initialisation: opens the settings key, creating it when missing (once; later calls
  // keep it). False after reporting the error.
  bool openSettingsKey();
  // Closes both keys. Only when nothing holds them any more: pages keep the settings key for
  // their whole life (the options program's model closes them when it is destroyed).
  void closeKeys();

  // SelectClockSet: chooses `id` (kUndeterminedSet: keeps the current set and follows the
  // taskbars), reopens the set key and its monitor variant, and refills `combos` (nullptr on
  // pages without them) only where something changed; combos->changes says what. True when the
  // page's combos were refilled or reselected.
  bool selectClockSet(ClockSetId id, PageCombos* combos);
  // A choice in the clock-set combo: forgets the selected clock window, then selectClockSet.
  bool chooseClockSet(ClockSetId id, PageCombos* combos);
  // A choice in the monitor combo: enables (7, 8) or disables (5, 6) a variant.
  void chooseMonitorItem(int index, PageCombos& combos, const SeedNewKey& seedNewKey);

  // The key per-set values are read from: the set's key or its monitor variant; nullptr when
  // none could be opened.
  RegistryKey* setKey() noexcept;
  // The key per-set values are written to. When the primary set's key stands in for a
  // secondary set, this first creates the set's own key as a copy of the stand-in's values
  // (so only the value being written changes what the clock shows). nullptr (after reporting
  // the error) when there is no key to write to.
  RegistryKey* ownSetKey();
  // Per-set writes through ownSetKey(); nothing is created or written when the value in use is
  // already equal. True when the stored value equals `value` afterwards.
  bool writeSetNumber(std::u16string_view name, std::uint32_t value);
  bool writeSetText(std::u16string_view name, std::u16string_view value);
  // The settings key (values every clock or only the host reads); nullptr when not open.
  RegistryKey* settingsKey() noexcept { return settingsKey_.get(); }

  // NotifyClock: posts MSG_RELOAD to the host and, by scope, to the clocks.
  void notifyClock(NotifyScope scope);

  ClockSetId currentSet() const noexcept { return current_; }
  WindowRef selectedClock() const noexcept { return selectedClock_; }
  bool usesStandInKey() const noexcept { return fallback_; }
  std::vector<ClockSetId> secondarySets() const { return secondarySets_; }
  const std::u16string& monitorName() const noexcept { return monitorName_; }
  const std::u16string& monitorSizeText() const noexcept { return sizeText_; }
  MonitorItem variantMode() const noexcept;
  ClockSetInUse inUse() const;

 private:
  void followPrimaryTaskbar();
  void readRunningClocks();
  void followSecondaryTaskbars();
  void readStoredSets();
  void fillClockSetCombo(PageCombos& combos, ClockSetId previous,
                         const std::vector<ClockSetId>& previousSets);
  bool openSetKey();
  void findMonitorVariant();
  void fillMonitorCombo(PageCombos& combos);
  void renameVariant(std::unique_ptr<RegistryKey>& variant, const std::u16string& bareName,
                     PageCombos& combos);
  void enableVariant(MonitorItem item, PageCombos& combos, const SeedNewKey& seedNewKey);
  void dropKeys() noexcept;
  void reportOpenError(std::u16string_view keyName);

  RegistryKey& currentUser_;
  ClockSetWindows& windows_;
  ErrorReport reportError_;

  std::unique_ptr<RegistryKey> settingsKey_;
  std::unique_ptr<RegistryKey> baseKey_;  // the set key (or the primary set's, standing in)
  std::unique_ptr<RegistryKey> nameKey_;  // "name_<monitor>" below baseKey_, when it exists
  std::unique_ptr<RegistryKey> sizeKey_;  // "size_<size>" below the name or set key
  ClockSetId current_ = kUndeterminedSet;
  WindowRef selectedClock_ = kNoWindow;
  std::map<int, WindowRef> clockWindows_;
  std::vector<ClockSetId> secondarySets_;  // ascending signed order, no duplicates
  bool fallback_ = false;
  bool setKeyErrorShown_ = false;
  std::u16string monitorName_;
  std::u16string sizeText_;
  const PageCombos* lastFilled_ = nullptr;
};

}  // namespace zembrik
