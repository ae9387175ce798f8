#pragma once
// Attaching, re-attaching and stopping: the host's side of the hook library's life.
#include "host/host_state_win32.h"

namespace zembrik {

inline constexpr UINT_PTR kReattachTimer = 777;        // one shot: startHook again
inline constexpr UINT_PTR kTaskbarRecheckTimer = 778;  // one shot: find the taskbar again
inline constexpr UINT_PTR kSecondTimer = 779;          // every second: alarms, calendar day

inline constexpr UINT kReattachAfterRestartMs = 2000;
inline constexpr UINT kReattachSoonMs = 100;

// The taskbar was re-created ("TaskbarCreated"), or a clock asked to be attached afresh
// (`forced`). Detaches, then either schedules the re-attachment or closes the host: without
// `restart`, or when the shell keeps restarting.
void reattach(HostState& state, bool forced);

// Timer 777: attach again to the taskbar found now.
void onReattachTimer(HostState& state);

// Timer 778: find the taskbar again and put the transparency back on it.
void onTaskbarRecheckTimer(HostState& state);

// Every stop path: give the clocks back and close the host window.
void stopHost(HostState& state);

// The host's own settings. Opens the settings root itself when `settingsRoot` is null and keeps
// everything as it was when that fails. With `applyTransparency` the taskbar is updated.
void readSettings(HostState& state, RegistryKey* settingsRoot, bool applyTransparency);

}  // namespace zembrik
