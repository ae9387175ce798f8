#pragma once
// The host's command line ("start", "stop") and what a start does when another host runs.
#include <string_view>

namespace zembrik {

enum class HostCommand { None, Start, Stop };

// One leading minus sign is skipped; the rest must equal "start" or "stop" as a whole, in any
// case. Anything else (including the word followed by more text) is None.
HostCommand parseHostCommand(std::string_view commandTail);

enum class StartupDecision {
  Continue,     // become the host
  ExitAtOnce,   // exit with 0: a second "start", or "stop" with nothing to stop
  StopRunning,  // stop the running host without asking
  AskThenStop,  // ask the user whether to stop the running host
};

StartupDecision decideStartup(bool instanceRunning, HostCommand command);

}  // namespace zembrik
