#pragma once
// Finding the taskbars and their clock windows.
#include "hook/hook_state.h"

namespace zembrik {

enum class ScanMode {
  Plain,   // the host: secondary taskbars in discovery order
  Sorted,  // the shell: secondaries by position, rightmost (lowest) first
};

// Appends the main taskbar (when its three windows exist) and every secondary taskbar that has a
// "ClockButton" to `list`. Returns 0, or the reason 1-3 of MSG_START_FAILED when the main taskbar
// is incomplete; in Plain mode the secondaries are then not looked for.
int scanTaskbars(std::vector<TaskbarRecord>& list, ScanMode mode);

}  // namespace zembrik
