#pragma once
// What loading the zone table needs of the platform: the system's time-zone database (a
// registry key), names resolved from indirect strings, resource libraries of a language, and the
// system's own zone. Win32 adapters live in platform/win32; zone_fixtures.h has table-driven ones.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/format/platform_state.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

// The database's path under HKEY_LOCAL_MACHINE; each zone is one subkey.
inline constexpr char16_t kTimeZoneDatabasePath[] =
    u"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

// A resource library loaded for its strings; unloaded when destroyed.
class ResourceLibrary {
 public:
  virtual ~ResourceLibrary() = default;
  // String number `id`, at most `maxChars` characters; empty when there is none.
  virtual std::u16string loadString(std::uint32_t id, std::size_t maxChars) = 0;
};

class ZoneNamePlatform {
 public:
  virtual ~ZoneNamePlatform() = default;
  // Value `valueName` of database zone `zoneSubkey` as an indirect string resolved in the
  // user's display language (RegLoadMUIStringW). Nothing when the call fails or the platform
  // has no such call.
  virtual std::optional<std::u16string> loadMuiString(std::u16string_view zoneSubkey,
                                                      std::u16string_view valueName) = 0;
  virtual std::u16string systemDirectory() = 0;
  // Null when the file cannot be loaded as a resource library.
  virtual std::unique_ptr<ResourceLibrary> loadResourceLibrary(std::u16string_view path) = 0;
};

struct ZoneDatabaseAccess {
  RegistryKey& localMachine;  // HKEY_LOCAL_MACHINE (read access is enough)
  ZoneNamePlatform& names;
  SystemTimeZoneSource& systemZone;
};

}  // namespace zembrik
