#pragma once
// The volatile key `this`: where the running clocks are, for the options program.
#include "engine/registry/registry_key.h"
#include "engine/settings/clock_config.h"

namespace zembrik {

// Creates or opens `this` below the settings root (volatile, its parents persistent) and
// writes `isXPtheme`, then `isVertical`, `hwndLo` and `hwndHi` with the clock's index suffix;
// each value only when it differs from the stored one. False when the key cannot be created or
// opened.
bool writeThisKey(RegistryKey& currentUser, const ClockPlacement& placement);

}  // namespace zembrik
