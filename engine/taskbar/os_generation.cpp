#include "engine/taskbar/os_generation.h"

namespace zembrik {

int osGenerationFor(const OsVersion& version, int previous) {
  if (!version.known || version.major == 5)
    return 1;
  if (version.major == 6) {
    return version.minor <= 4 ? 2 + static_cast<int>(version.minor) : previous;
  }
  if (version.major == 10)
    return version.build <= 14290 ? 6 : 7;
  return previous;
}

}  // namespace zembrik
