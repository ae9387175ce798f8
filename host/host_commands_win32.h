#pragma once
// What the user reaches through the clock: mouse-button actions, the popup menu, the options
// program and leaving the host.
#include "engine/host_rules/button_actions.h"
#include "host/host_state_win32.h"

namespace zembrik {

inline constexpr UINT kCommandExit = 110;
inline constexpr UINT kCommandOptions = 111;
inline constexpr UINT kCommandAlarms = 112;
inline constexpr WPARAM kShellCommandDateTime = 408;  // WM_COMMAND to the taskbar

// A forwarded button-up: the button's action, or the menu while Ctrl is held.
void runButtonAction(HostState& state, MouseButton button);

// The popup menu ("Alarms", "Options", "Exit Zembrik") at a screen point.
void showPopupMenu(HostState& state, POINT at);

// Starts ZembrikOptions.exe beside the host, on its alarms page when asked.
void startOptionsProgram(HostState& state, bool alarmsPage);

// "Exit Zembrik": asks, and stops the host on Yes.
void askToExit(HostState& state);

}  // namespace zembrik
