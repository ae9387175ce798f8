#pragma once
// Copies the clock-set and monitor combos of a page (data from the clock-set model) into its
// controls 1100, 1025 and 1102, touching only what the last refresh changed.
#include <windows.h>

#include <optional>

#include "engine/options/clock_set_combos.h"

namespace zembrik {

void showClockSetCombos(HWND page, const PageCombos& combos);

// The index of the combo's selection, none when nothing is selected.
std::optional<int> comboSelection(HWND combo);

}  // namespace zembrik
