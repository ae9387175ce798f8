#pragma once
// The registry over advapi32.
#include <memory>

#include "engine/registry/registry_key.h"

namespace zembrik {

// Handles to the roots of the two hives the programs use (HKEY_CURRENT_USER and
// HKEY_LOCAL_MACHINE); closing them leaves the predefined handles alone.
std::unique_ptr<RegistryKey> openCurrentUserRoot();
std::unique_ptr<RegistryKey> openLocalMachineRoot();

}  // namespace zembrik
