#pragma once
// Copying a key's values (not its subkeys): a set's own key or a new monitor variant starts as a
// copy of the key that stood in for it, so the clock keeps its face when the first value changes.
#include "engine/registry/registry_key.h"

namespace zembrik {

// Copies every value of `from` into `to` with its type and data. Returns the first error, after
// trying every value.
RegStatus copyValues(RegistryKey& from, RegistryKey& to);

}  // namespace zembrik
