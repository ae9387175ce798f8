#pragma once
// The form pages' services in the program: the shared clock-set model (keys, per-set writes
// through the set's own key, NotifyClock) and the page's message boxes.
#include <windows.h>

#include <memory>

#include "engine/options/clock_set_model.h"
#include "engine/options/form_page_services.h"
#include "options/user_interaction_win32.h"

namespace zembrik {

std::unique_ptr<FormClockSetServices> makeFormPageServices(ClockSetModel& clockSet,
                                                           UserInteraction& ui, HWND owner);

}  // namespace zembrik
