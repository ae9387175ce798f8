#include "engine/options/reload_targets.h"

#include <algorithm>

namespace zembrik {
namespace {

void addTarget(std::vector<WindowRef>& targets, WindowRef window) {
  if (window != kNoWindow && std::find(targets.begin(), targets.end(), window) == targets.end())
    targets.push_back(window);
}

}  // namespace

std::vector<WindowRef> reloadTargets(NotifyScope scope, WindowRef selectedClock,
                                     ClockSetWindows& windows) {
  std::vector<WindowRef> targets;
  addTarget(targets, windows.hostWindow());
  if (scope == NotifyScope::HostOnly)
    return targets;
  if (scope == NotifyScope::SelectedClock && selectedClock != kNoWindow) {
    addTarget(targets, selectedClock);
    return targets;
  }
  for (const SecondaryTaskbarWindows& secondary : windows.secondaryTaskbars())
    addTarget(targets, secondary.clockButton);
  if (auto primary = windows.primaryTaskbar())
    addTarget(targets, primary->clock);
  return targets;
}

}  // namespace zembrik
