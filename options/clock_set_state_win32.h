#pragma once
// The options program's one clock-set model, shared by every page, over the current user's
// registry and the desktop's windows.
#include <functional>
#include <string>

#include "engine/options/clock_set_model.h"

namespace zembrik {

ClockSetModel& clockSetModel();

// Where the model's error messages go (a page's message box); nothing is shown while unset.
void setClockSetErrorSink(std::function<void(const std::u16string&)> sink);

// Forgets everything (the set chosen, the keys): a test's new main dialog starts afresh.
void resetClockSetModel();

}  // namespace zembrik
