#include "engine/settings/clock_set_key.h"

#include <string>

#include "engine/settings/settings_paths.h"
#include "engine/settings/value_names.h"

namespace zembrik {

namespace {

constexpr KeyAccess kClockSetAccess = kKeyRead | kKeySetValue;

}  // namespace

std::u16string clockSetKeyName(bool vertical, int index) {
  return std::u16string(vertical ? u"vertical" : u"horizontal") + indexSuffix(index);
}

OpenedKey openClockSetKey(RegistryKey& root, RegistryKey& currentUser, bool vertical, int index) {
  if (auto own = root.openSubkey(clockSetKeyName(vertical, index), kClockSetAccess))
    return own;
  std::u16string plainPath(kSettingsRootPath);
  plainPath.append(u"\\").append(clockSetKeyName(vertical, 0));
  return currentUser.createSubkey(plainPath, kClockSetAccess, KeyLifetime::Persistent);
}

}  // namespace zembrik
