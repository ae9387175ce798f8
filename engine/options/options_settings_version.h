#pragma once
// The options program's check of the stored settings version at start-up. Unlike the host, it
// rewrites nothing when the version is kept: only settings too old to read are replaced.
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "engine/registry/registry_key.h"

namespace zembrik {

enum class OptionsVersionAction {
  Keep,  // current, newer or older but readable: every value stays as it is
  Wipe,  // missing, not a number or older than 1.11: the settings key is deleted and made anew
};

OptionsVersionAction decideOptionsVersionAction(std::optional<std::uint32_t> storedVersion);

struct OptionsSettingsCheck {
  OptionsVersionAction action = OptionsVersionAction::Keep;
  // Empty on success; otherwise the message box text, and the program ends.
  std::u16string_view error;
};

// Opens (creating if missing) Software\OBR\Zembrik below `currentUser` and wipes it when its
// version asks for that, leaving `version` = 0x01002D00 behind.
OptionsSettingsCheck checkOptionsSettings(RegistryKey& currentUser);

}  // namespace zembrik
