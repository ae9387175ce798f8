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

CurrentSettings failure(std::u16string_view error, VersionAction action) {
  CurrentSettings result;
  result.action = action;
  result.error = error;
  return result;
}

}  // namespace

VersionAction decideVersionAction(std::optional<std::uint32_t> storedVersion) {
  if (!storedVersion || *storedVersion < kOldestKeptSettingsVersion)
    return VersionAction::Wipe;
  if (*storedVersion != kCurrentSettingsVersion)
    return VersionAction::Rewrite;
  return VersionAction::Keep;
}

CurrentSettings openCurrentSettings(RegistryKey& currentUser) {
  auto settings = createSettingsKey(currentUser);
  if (!settings)
    return failure(kErrorOpenSettings, VersionAction::Keep);

  const auto action = decideVersionAction(readNumber(*settings.key, kVersionValue));
  if (action == VersionAction::Wipe) {
    settings.key.reset();  // a key cannot be deleted cleanly while our own handle is open
    auto parent = currentUser.openSubkey(kSettingsParentPath, kKeyReadWrite);
    if (!parent)
      return failure(kErrorOpenParent, action);
    const auto deleted = deleteKeyTree(*parent.key, kSettingsKeyName);
    if (deleted != RegStatus::Ok && deleted != RegStatus::NotFound) {
      return failure(kErrorDeleteSettings, action);
    }
    settings = createSettingsKey(currentUser);
    if (!settings)
      return failure(kErrorOpenSettings, action);
  }
  if (action != VersionAction::Keep)
    writeNumber(*settings.key, kVersionValue, kCurrentSettingsVersion);

  CurrentSettings result;
  result.key = std::move(settings.key);
  result.action = action;
  return result;
}

}  // namespace zembrik
