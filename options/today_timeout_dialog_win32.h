#pragma once
// The dialog "Open calendar with today if closed for ..." (template 131): asks for the time in
// milliseconds the calendar must have been closed before it opens on today.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "options/options_context_win32.h"

namespace zembrik {

// Modal; the OK button accepts only an integer in 0..1000000000 (otherwise the range message is
// shown and the dialog stays open). Nothing when cancelled.
std::optional<std::uint32_t> askTodayTimeout(OptionsContext& context, HWND owner,
                                             std::uint32_t offered);

}  // namespace zembrik
