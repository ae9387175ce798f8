#pragma once
// Bringing the settings key to the current settings version at host start-up.
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "engine/registry/registry_key.h"

namespace zembrik {

// Bits 31..24 major, 23..8 minor, 7..0 build: 0x01002D00 is 1.45.
inline constexpr std::uint32_t kCurrentSettingsVersion = 0x01002D00;
// Settings written by 1.10 (0x01000AFF) or earlier are discarded whole.
inline constexpr std::uint32_t kOldestKeptSettingsVersion = 0x01000B00;

enum class VersionAction {
  Keep,     // already the current version
  Rewrite,  // a kept version other than the current one: only `version` is rewritten
  Wipe,     // missing or too old: the whole settings key is deleted and made anew
};

VersionAction decideVersionAction(std::optional<std::uint32_t> storedVersion);

inline constexpr std::u16string_view kErrorOpenSettings =
    u"Error can't open registry: Software\\OBR\\Zembrik";
inline constexpr std::u16string_view kErrorOpenParent = u"Error can't open registry: Software\\OBR";
inline constexpr std::u16string_view kErrorDeleteSettings =
    u"Can't delete registry: Software\\OBR\\Zembrik";

struct CurrentSettings {
  std::unique_ptr<RegistryKey> key;  // the settings root, open to read and set values
  VersionAction action = VersionAction::Keep;
  std::u16string_view error;  // one of the texts above when `key` is null
};

// Opens (creating if missing) Software\OBR\Zembrik below `currentUser`, then keeps, rewrites or
// wipes by the stored `version`, and writes the current version.
CurrentSettings openCurrentSettings(RegistryKey& currentUser);

}  // namespace zembrik
