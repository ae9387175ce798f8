#include "engine/theme/theme_detection.h"

#include "engine/registry/registry_access.h"

namespace zembrik {

namespace {

// The subkey names are read into a buffer of this many characters.
constexpr std::size_t kSubkeyNameChars = 1024;

}  // namespace

bool themeActiveText(const std::optional<std::u16string>& value) noexcept {
  return value && !value->empty() && *value != u"0";
}

bool detectThemeActive(RegistryKey& currentUser) {
  OpenedKey manager = currentUser.openSubkey(kThemeManagerPath, kKeyRead);
  if (!manager)
    return false;
  bool active = themeActiveText(readText(*manager.key, u"ThemeActive"));
  OpenedKey remote = manager.key->openSubkey(u"Remote", kKeyRead);
  if (!remote)
    return active;
  RegEnumEntry first;
  if (remote.key->enumSubkey(0, kSubkeyNameChars, first) != RegStatus::Ok)
    return active;
  OpenedKey session = remote.key->openSubkey(first.name, kKeyRead);
  if (!session)
    return active;
  if (auto value = readText(*session.key, u"ThemeActive"))
    active = themeActiveText(value);
  return active;
}

}  // namespace zembrik
