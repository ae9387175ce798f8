#pragma once
// The Windows version as GetVersionExA reports it.
#include "engine/taskbar/os_generation.h"

namespace zembrik {

// Asks with OSVERSIONINFOEXA and, where a system refuses that size, with OSVERSIONINFOA. Newer
// Windows reports what the program's manifest allows, which is what the generation table and
// the legacy rules were written against. `known` is false when neither call answers.
OsVersion readOsVersion() noexcept;

}  // namespace zembrik
