#pragma once
// NotifyClock's addressees: which windows get MSG_RELOAD after a change of a given scope.
#include <cstdint>
#include <vector>

#include "engine/options/clock_set_windows.h"

namespace zembrik {

enum class NotifyScope : std::uint8_t {
  SelectedClock = 0,  // per-set values of the set being edited
  EveryClock = 1,     // values every clock reads
  HostOnly = 0xFF,    // values only the host reads
};

// The host window first (when running); then the selected clock for SelectedClock, or every
// secondary clock button and the primary clock for EveryClock and for SelectedClock without a
// selected clock. No window appears twice and kNoWindow never appears.
std::vector<WindowRef> reloadTargets(NotifyScope scope, WindowRef selectedClock,
                                     ClockSetWindows& windows);

}  // namespace zembrik
