#include "engine/options/clock_page_services.h"

#include "engine/options/font_description.h"

namespace zembrik {

ClockPageServices::OwnKey ClockSetPageServices::makeSureOfOwnKey() {
  bool standIn = model_.usesStandInKey();
  RegistryKey* key = model_.ownSetKey();
  return {key, key != nullptr && standIn && !model_.usesStandInKey()};
}

void ClockSetPageServices::notifyClock(int scope) {
  model_.notifyClock(static_cast<NotifyScope>(scope));
}

// The primary clock's window for a primary set; a secondary set's taskbar, found by the clock
// button that is the selected clock.
int ClockSetPageServices::measuredClockHeight() const {
  ClockSetId set = model_.currentSet();
  if (set == 0 || set == kPrimaryVerticalSet) {
    std::optional<PrimaryTaskbarWindows> primary = windows_.primaryTaskbar();
    return primary ? primary->clockRect.bottom - primary->clockRect.top : 0;
  }
  WindowRef selected = model_.selectedClock();
  for (const SecondaryTaskbarWindows& taskbar : windows_.secondaryTaskbars()) {
    if (selected != kNoWindow && taskbar.clockButton == selected)
      return taskbar.taskbarRect.bottom - taskbar.taskbarRect.top;
  }
  return 0;
}

std::u16string ClockSetPageServices::fontDescription(std::u16string_view spec) const {
  return editedFontSpec(spec).description;
}

}  // namespace zembrik
