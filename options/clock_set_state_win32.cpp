#include "options/clock_set_state_win32.h"

#include <utility>

#include "platform/win32/registry_win32.h"

namespace zembrik {

OptionsClockSet::OptionsClockSet(std::function<void(const std::u16string&)> reportError)
    : currentUser_(openCurrentUserRoot()),
      model_(*currentUser_, windows_, std::move(reportError)) {}

}  // namespace zembrik
