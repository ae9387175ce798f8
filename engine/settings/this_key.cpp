#include "engine/settings/this_key.h"

#include <string>

#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "engine/settings/value_names.h"

namespace zembrik {

bool writeThisKey(RegistryKey& currentUser, const ClockPlacement& placement) {
  auto self = createKeyWithPersistentParents(currentUser, kThisKeyPath, kKeyReadWrite,
                                             KeyLifetime::Volatile);
  if (!self)
    return false;
  RegistryKey& key = *self.key;
  const std::u16string suffix = indexSuffix(placement.index);
  // A failed write is not worth stopping the load for: the options program then merely cannot
  // find this clock.
  writeNumber(key, u"isXPtheme", placement.themeActive ? 1 : 0);
  writeNumber(key, u"isVertical" + suffix, placement.vertical ? 1 : 0);
  writeNumber(key, u"hwndLo" + suffix, placement.window.low());
  writeNumber(key, u"hwndHi" + suffix, placement.window.high());
  return true;
}

}  // namespace zembrik
