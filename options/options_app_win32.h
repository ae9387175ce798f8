#pragma once
// The options program from start to end (COptApp): single instance, settings version, program
// directory, options font, then the main dialog until it is closed.
#include <windows.h>

#include <string_view>

#include "options/options_context_win32.h"

namespace zembrik {

// The old-system flag: Windows before 6.0, or a version that cannot be read.
bool runsOnOldSystem();

// The options font stored in the settings (`OptionsFont`), when one is in force.
OptionsFont readOptionsFont();

// The whole program; returns its exit code.
int runOptionsProgram(HINSTANCE instance, std::wstring_view commandLine,
                      UserInteraction& interaction);

}  // namespace zembrik
