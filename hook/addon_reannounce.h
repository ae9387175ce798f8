#pragma once
// The key `reg`, where the clocks mirror which windows add-on programs registered, and the call
// to those add-ons to register again with a clock that has just attached.
#include <string_view>

namespace zembrik {

inline constexpr std::u16string_view kAddonKeyName = u"reg";

// Posts MSG_ADDON_REGISTER (0, 0) to every window listed under `reg` and empties the key. The key
// is volatile (handles of windows must not outlive the logon); one left persistent by an
// earlier build is made again, volatile.
void reannounceAddons();

}  // namespace zembrik
