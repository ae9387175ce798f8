#pragma once
// The folder part of the host's own path, where the options program is looked for.
#include <string>
#include <string_view>

namespace zembrik {

// The text up to and including the last backslash; without one, the last slash; without that,
// the first colon ("C:prog.exe" -> "C:"). Empty when there is no separator at all.
std::u16string moduleDirOf(std::u16string_view modulePath);

}  // namespace zembrik
