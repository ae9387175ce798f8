#pragma once
// Where the settings live, below HKEY_CURRENT_USER.
#include <string_view>

namespace zembrik {

inline constexpr std::u16string_view kSettingsRootPath = u"Software\\OBR\\Zembrik";
// The volatile key through which the options program finds the running clocks.
inline constexpr std::u16string_view kThisKeyPath = u"Software\\OBR\\Zembrik\\this";

}  // namespace zembrik
