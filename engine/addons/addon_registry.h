#pragma once
// The mirror of the add-on table under the volatile key `reg`: a clock that attaches later
// finds there which windows to ask to register again.
#include <cstdint>
#include <string>

#include "engine/registry/registry_key.h"

namespace zembrik {

// "addon_<id>_hndl"
std::u16string addonWindowValueName(std::int32_t id);

// Writes "addon_<id>_hndl" = `windowLow` under `reg`, creating the key volatile below
// persistent parents. False when the key could not be opened or created.
bool recordAddonWindow(RegistryKey& currentUser, std::int32_t id, std::uint32_t windowLow);

// Deletes "addon_<id>_hndl" under `reg`, when the key and the value exist.
void forgetAddonWindow(RegistryKey& currentUser, std::int32_t id);

}  // namespace zembrik
