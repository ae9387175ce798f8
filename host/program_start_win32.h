#pragma once
// Starting other programs without waiting for them.
#include <string_view>

#include "engine/host_rules/program_command.h"

namespace zembrik {

// Starts `command.file` with `command.commandLine`. With `searchPath`, a file that is not found
// under the name written is looked for along the PATH (see programCandidates). False when no
// process could be created.
bool startProgram(const ProgramCommand& command, bool searchPath);

}  // namespace zembrik
