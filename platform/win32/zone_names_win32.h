#pragma once
// The time-zone database's names over advapi32 and kernel32, and the database access the
// settings load passes to reloadTimeZones.
#include "engine/timezone/zone_database.h"

namespace zembrik {

class Win32ZoneNames final : public ZoneNamePlatform {
 public:
  // RegLoadMUIStringW, looked up in advapi32 at run time; nothing when the system lacks it.
  std::optional<std::u16string> loadMuiString(std::u16string_view zoneSubkey,
                                              std::u16string_view valueName) override;
  // GetSystemDirectoryW.
  std::u16string systemDirectory() override;
  // The file is mapped as a data file: its strings are read, none of its code runs.
  std::unique_ptr<ResourceLibrary> loadResourceLibrary(std::u16string_view path) override;
};

// HKEY_LOCAL_MACHINE, the names above and GetTimeZoneInformation, shared by the process.
const ZoneDatabaseAccess& win32ZoneDatabase();

}  // namespace zembrik
