// C_BaseTab's clock-set part: SelectClockSet on every refresh, and the choices made in the
// clock-set combo (1100) and the monitor combo (1102), over the dialog's clock-set model.
#include "options/base_tab_ids.h"
#include "options/base_tab_win32.h"
#include "options/clock_set_combos_win32.h"

namespace zembrik {

bool C_BaseTab::hasClockSetCombos() const noexcept {
  return control(IDC_CLOCK_SET_COMBO) != nullptr && control(IDC_MONITOR_COMBO) != nullptr;
}

bool C_BaseTab::showClockSetChanges(bool refilled) {
  if (hasClockSetCombos())
    showClockSetCombos(window_, clockSetCombos_);
  const ClockSetInUse now = clockSet().inUse();
  const bool changed = now != clockSetSeen_;
  clockSetSeen_ = now;
  return refilled || changed;
}

bool C_BaseTab::selectClockSet() {
  PageCombos* combos = hasClockSetCombos() ? &clockSetCombos_ : nullptr;
  return showClockSetChanges(clockSet().selectClockSet(kUndeterminedSet, combos));
}

void C_BaseTab::onClockSetChosen() {
  std::optional<int> index = comboSelection(control(IDC_CLOCK_SET_COMBO));
  auto& items = clockSetCombos_.clockSet.items;
  if (!index || *index >= static_cast<int>(items.size()))
    return;
  clockSetCombos_.clockSet.selection = *index;
  const ClockSetId chosen = items[static_cast<size_t>(*index)].data;
  onRefresh(showClockSetChanges(clockSet().chooseClockSet(chosen, &clockSetCombos_)));
}

void C_BaseTab::onMonitorChosen() {
  std::optional<int> index = comboSelection(control(IDC_MONITOR_COMBO));
  if (!index)
    return;
  clockSet().chooseMonitorItem(*index, clockSetCombos_, [this] { seedNewKey(1); });
  onRefresh(showClockSetChanges(clockSetCombos_.changes.any()));
}

}  // namespace zembrik
