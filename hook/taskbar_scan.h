#pragma once
// Finding the taskbars and their clock windows.
#include "engine/protocol/window_messages.h"
#include "hook/hook_state.h"

namespace zembrik {

enum class ScanMode {
  Plain,   // the host: secondary taskbars in discovery order
  Sorted,  // the shell: secondaries by position, rightmost (lowest) first
};

// Appends the main taskbar (when its three windows exist) and every secondary taskbar that has a
// "ClockButton" to `list`. Returns None, or why the main taskbar is incomplete (NoTaskbar,
// NoNotificationArea, NoClock); in Plain mode the secondaries are then not looked for.
StartFailure scanTaskbars(std::vector<TaskbarRecord>& list, ScanMode mode);

}  // namespace zembrik
