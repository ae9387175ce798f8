#pragma once
// Where the settings live, below HKEY_CURRENT_USER.
#include <string_view>

namespace zembrik {

inline constexpr std::u16string_view kSettingsRootPath = u"Software\\OBR\\Zembrik";
// The root's parent and its name there: a wipe deletes the root from its parent.
inline constexpr std::u16string_view kSettingsParentPath = u"Software\\OBR";
inline constexpr std::u16string_view kSettingsKeyName = u"Zembrik";
static_assert(kSettingsRootPath.size() ==
                  kSettingsParentPath.size() + 1 + kSettingsKeyName.size() &&
              kSettingsRootPath.starts_with(kSettingsParentPath) &&
              kSettingsRootPath.ends_with(kSettingsKeyName));

// The volatile key through which the options program finds the running clocks.
inline constexpr std::u16string_view kThisKeyPath = u"Software\\OBR\\Zembrik\\this";

}  // namespace zembrik
