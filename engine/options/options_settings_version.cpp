#include "engine/options/options_settings_version.h"

#include "engine/host_rules/settings_version.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"

namespace zembrik {

namespace {

constexpr std::u16string_view kVersionValue = u"version";
constexpr KeyAccess kSettingsAccess = kKeyRead | kKeySetValue;

OpenedKey createSettingsKey(RegistryKey& currentUser) {
  return currentUser.createSubkey(kSettingsRootPath, kSettingsAccess, KeyLifetime::Persistent);
}

}  // namespace

OptionsVersionAction decideOptionsVersionAction(std::optional<std::uint32_t> storedVersion) {
  return decideVersionAction(storedVersion) == VersionAction::Wipe ? OptionsVersionAction::Wipe
                                                                   : OptionsVersionAction::Keep;
}

OptionsSettingsCheck checkOptionsSettings(RegistryKey& currentUser) {
  OptionsSettingsCheck result;
  auto settings = createSettingsKey(currentUser);
  if (!settings) {
    result.error = kErrorOpenSettings;
    return result;
  }
  result.action = decideOptionsVersionAction(readNumber(*settings.key, kVersionValue));
  if (result.action == OptionsVersionAction::Keep)
    return result;

  settings.key.reset();  // our own handle would keep the key from going
  auto parent = currentUser.openSubkey(kSettingsParentPath, kKeyReadWrite);
  if (!parent) {
    result.error = kErrorOpenParent;
    return result;
  }
  const auto deleted = deleteKeyTree(*parent.key, kSettingsKeyName);
  if (deleted != RegStatus::Ok && deleted != RegStatus::NotFound) {
    result.error = kErrorDeleteSettings;
    return result;
  }
  settings = createSettingsKey(currentUser);
  if (!settings) {
    result.error = kErrorOpenSettings;
    return result;
  }
  writeNumber(*settings.key, kVersionValue, kCurrentSettingsVersion);
  return result;
}

}  // namespace zembrik
