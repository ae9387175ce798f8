#include "platform/win32/os_version_win32.h"

#include <windows.h>

namespace zembrik {

OsVersion readOsVersion() noexcept {
  OsVersion version;
  OSVERSIONINFOEXA extended{};
  extended.dwOSVersionInfoSize = sizeof(extended);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended))) {
    version = {true, extended.dwMajorVersion, extended.dwMinorVersion, extended.dwBuildNumber};
  } else {
    OSVERSIONINFOA plain{};
    plain.dwOSVersionInfoSize = sizeof(plain);
    if (GetVersionExA(&plain))
      version = {true, plain.dwMajorVersion, plain.dwMinorVersion, plain.dwBuildNumber};
  }
#pragma GCC diagnostic pop
  return version;
}

}  // namespace zembrik
