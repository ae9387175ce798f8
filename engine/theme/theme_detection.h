#pragma once
// Whether the visual-styles theme is active, read from the user's theme manager settings.
#include <optional>
#include <string>

#include "engine/registry/registry_key.h"

namespace zembrik {

inline constexpr char16_t kThemeManagerPath[] =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";

// A "ThemeActive" text turns the theme on unless it is empty or exactly "0".
bool themeActiveText(const std::optional<std::u16string>& value) noexcept;

// "ThemeActive" of the theme manager key under `currentUser`; the first subkey of its "Remote"
// key, when that has a "ThemeActive" of its own, overrides it (a remote session's theme).
// Missing keys and values mean no theme.
bool detectThemeActive(RegistryKey& currentUser);

}  // namespace zembrik
