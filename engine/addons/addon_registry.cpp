#include "engine/addons/addon_registry.h"

#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"

namespace zembrik {

namespace {

OpenedKey openRegKey(RegistryKey& currentUser) {
  const std::u16string path = std::u16string(kSettingsRootPath) + u"\\reg";
  return createKeyWithPersistentParents(currentUser, path, kKeyReadWrite, KeyLifetime::Volatile);
}

}  // namespace

std::u16string addonWindowValueName(std::int32_t id) {
  std::string digits = std::to_string(id);
  return u"addon_" + std::u16string(digits.begin(), digits.end()) + u"_hndl";
}

bool recordAddonWindow(RegistryKey& currentUser, std::int32_t id, std::uint32_t windowLow) {
  auto reg = openRegKey(currentUser);
  return reg && writeNumber(*reg.key, addonWindowValueName(id), windowLow);
}

void forgetAddonWindow(RegistryKey& currentUser, std::int32_t id) {
  if (auto reg = openRegKey(currentUser))
    reg.key->deleteValue(addonWindowValueName(id));
}

}  // namespace zembrik
