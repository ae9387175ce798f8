#pragma once
// Choosing the clock-set key of a clock: `horizontal` or `vertical`, with `_n` for secondary
// clock n, falling back to the main clock's set for the orientation.
#include <string>
#include <string_view>

#include "engine/registry/registry_key.h"

namespace zembrik {

// "horizontal", "vertical_2", ...
std::u16string clockSetKeyName(bool vertical, int index);

// Opens the clock's own set for reading and writing. When it cannot be opened, opens the plain
// orientation key instead, creating it persistent when missing, so that a secondary clock
// without settings of its own uses the main clock's. `root` is the settings root (read access
// suffices); `currentUser` is HKEY_CURRENT_USER, through which the plain key is created.
OpenedKey openClockSetKey(RegistryKey& root, RegistryKey& currentUser, bool vertical, int index);

}  // namespace zembrik
