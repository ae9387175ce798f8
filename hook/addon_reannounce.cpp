#include "hook/addon_reannounce.h"

#include <windows.h>

#include <cstdint>
#include <string>

#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "platform/win32/registry_win32.h"

namespace zembrik {

namespace {

constexpr std::u16string_view kLifetimeProbe = u"lifetime probe";

// Windows has no query for a key's lifetime, but it refuses a persistent child under a volatile
// key. True only when such a child could be made (it is removed again at once).
bool isPersistent(RegistryKey& key) {
  auto probe = key.createSubkey(kLifetimeProbe, kKeyRead, KeyLifetime::Persistent);
  if (!probe)
    return false;
  probe.key.reset();
  key.deleteSubkey(kLifetimeProbe);
  return true;
}

void postAndEmpty(RegistryKey& reg) {
  std::uint32_t subkeys = 0, values = 0;
  if (reg.countEntries(subkeys, values) != RegStatus::Ok)
    return;
  for (std::uint32_t index = values; index-- > 0;) {
    RegEnumEntry entry;
    RegStatus status = reg.enumValue(index, kEnumNameChars, entry);
    if (status == RegStatus::MoreData)
      continue;
    if (status != RegStatus::Ok)
      break;
    auto window = readNumber(reg, entry.name);
    reg.deleteValue(entry.name);
    if (window && *window != 0) {
      PostMessageA(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(*window)), MSG_ADDON_REGISTER,
                   0, 0);
    }
  }
}

}  // namespace

void reannounceAddons() {
  auto user = openCurrentUserRoot();
  const std::u16string path =
      std::u16string(kSettingsRootPath) + u"\\" + std::u16string(kAddonKeyName);
  auto reg = createKeyWithPersistentParents(*user, path, kKeyReadWrite, KeyLifetime::Volatile);
  if (!reg)
    return;
  postAndEmpty(*reg.key);
  // An existing key keeps its lifetime when created again: only a new key becomes volatile. A
  // key with subkeys of unknown origin is left as it is.
  if (!isPersistent(*reg.key))
    return;
  reg.key.reset();
  auto root = user->openSubkey(kSettingsRootPath, kKeyReadWrite);
  if (root && root.key->deleteSubkey(kAddonKeyName) == RegStatus::Ok) {
    root.key->createSubkey(kAddonKeyName, kKeyReadWrite, KeyLifetime::Volatile);
  }
}

}  // namespace zembrik
