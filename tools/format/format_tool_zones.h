#pragma once
// The zone data zembrik-format renders with:
//   --zones none|fixture|live   none (the default, as in the host program), the built-in fixture
//                               database, or the system's own database (Windows only)
//   --zone KEY[/STD[/DLT]]=SUBKEY   a configured zone, as a `tzones` value (repeatable)
//   --zn-locale NAME            the special locale of the ZN token
//   --system-zone SUBKEY        the system's own zone: local time, its bias and names follow the
//                               zone's rules at the --utc moment
// With --zones live and neither --zone nor --zn-locale, the zones configured in the user's own
// settings are used (read only).
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/format/platform_state.h"
#include "engine/format/zone_table.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_key.h"
#include "engine/timezone/configured_zone_table.h"
#include "engine/timezone/zone_database.h"

namespace zembrik {

// What the platform offers for --zones live; absent where there is no zone database.
struct LiveZoneSources {
  RegistryKey* localMachine = nullptr;
  ZoneNamePlatform* names = nullptr;
  RegistryKey* settingsRoot = nullptr;  // the user's settings, or null when there are none
};

struct ZoneToolOptions {
  enum class Source { None, Fixture, Live };
  Source source = Source::None;
  std::vector<std::pair<std::u16string, std::u16string>> configured;  // value name, subkey
  std::optional<std::u16string> specialLocale;
  std::optional<std::u16string> systemZone;
};

// Takes the zone option at args[i] and its value (i moves past it). False when args[i] is not a
// zone option; `error` is set for a zone option without a proper value.
bool parseZoneOption(const std::vector<std::u16string>& args, std::size_t& i,
                     ZoneToolOptions& options, std::string& error);

class ZoneToolData {
 public:
  // Builds the table. Returns an error text, empty on success.
  std::string load(const ZoneToolOptions& options, const LiveZoneSources* live);
  ZoneTable& table() { return configured_ ? static_cast<ZoneTable&>(*configured_) : empty_; }
  // The --system-zone record at `utc`, and the local time it gives; nothing without the option.
  std::optional<std::pair<SystemZoneInfo, CalendarTime>> systemZoneAt(const CalendarTime& utc);

 private:
  MemoryRegistry memory_;
  std::unique_ptr<RegistryKey> machine_;
  std::unique_ptr<ZoneNamePlatform> ownNames_;
  EmptyZoneTable empty_;
  std::unique_ptr<ConfiguredZoneTable> configured_;
  std::optional<ZoneEntry> systemZone_;
};

}  // namespace zembrik
