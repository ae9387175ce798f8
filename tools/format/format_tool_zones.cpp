#include "tools/format/format_tool_zones.h"

#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "engine/timezone/daylight_saving.h"
#include "engine/timezone/zone_fixtures.h"
#include "engine/timezone/zone_loading.h"
#include "tools/format/format_tool.h"

namespace zembrik {

namespace {

// "KEY/STD/DLT" becomes the value name "KEY" U+0001 "STD" U+0001 "DLT".
std::u16string valueNameOf(std::u16string_view keyText) {
  std::u16string name(keyText);
  for (auto& c : name) {
    if (c == u'/')
      c = u'\x0001';
  }
  return name;
}

}  // namespace

bool parseZoneOption(const std::vector<std::u16string>& args, std::size_t& i,
                     ZoneToolOptions& options, std::string& error) {
  const std::u16string& arg = args[i];
  if (arg != u"--zones" && arg != u"--zone" && arg != u"--zn-locale" && arg != u"--system-zone") {
    return false;
  }
  if (i + 1 >= args.size()) {
    error = toUtf8(arg) + " needs a value";
    return true;
  }
  const std::u16string& value = args[++i];
  if (arg == u"--zones") {
    if (value == u"none") {
      options.source = ZoneToolOptions::Source::None;
    } else if (value == u"fixture") {
      options.source = ZoneToolOptions::Source::Fixture;
    } else if (value == u"live") {
      options.source = ZoneToolOptions::Source::Live;
    } else {
      error = "--zones takes none, fixture or live";
    }
  } else if (arg == u"--zone") {
    const auto equals = value.find(u'=');
    if (equals == 0 || equals == std::u16string::npos) {
      error = "--zone needs KEY[/STD[/DLT]]=SUBKEY";
    } else {
      options.configured.emplace_back(valueNameOf(value.substr(0, equals)),
                                      value.substr(equals + 1));
    }
  } else if (arg == u"--zn-locale") {
    options.specialLocale = value;
  } else {
    options.systemZone = value;
  }
  return true;
}

std::string ZoneToolData::load(const ZoneToolOptions& options, const LiveZoneSources* live) {
  const bool zoneOptions =
      !options.configured.empty() || options.specialLocale || options.systemZone;
  if (options.source == ZoneToolOptions::Source::None) {
    return zoneOptions ? "zone options need --zones fixture or --zones live" : "";
  }

  RegistryKey* machine = nullptr;
  ZoneNamePlatform* names = nullptr;
  RegistryKey* settings = nullptr;
  if (options.source == ZoneToolOptions::Source::Live) {
    if (live == nullptr || live->localMachine == nullptr || live->names == nullptr) {
      return "--zones live needs the system's zone database (Windows)";
    }
    machine = live->localMachine;
    names = live->names;
    if (options.configured.empty() && !options.specialLocale)
      settings = live->settingsRoot;
  } else {
    machine_ = memory_.localMachine();
    installFixtureZoneDatabase(*machine_);
    ownNames_ = makeFixtureZoneNames(*machine_);
    machine = machine_.get();
    names = ownNames_.get();
  }

  // The zones named on the command line go into a settings key of the tool's own.
  std::unique_ptr<RegistryKey> ownSettings;
  if (settings == nullptr) {
    ownSettings = memory_.currentUser()
                      ->createSubkey(kSettingsRootPath, kKeyReadWrite, KeyLifetime::Persistent)
                      .key;
    auto zones = ownSettings->createSubkey(kZonesSubkey, kKeyReadWrite, KeyLifetime::Persistent);
    for (const auto& [valueName, subkey] : options.configured) {
      writeText(*zones.key, valueName, subkey);
    }
    if (options.specialLocale)
      writeText(*ownSettings, kSpecialLocaleValue, *options.specialLocale);
    settings = ownSettings.get();
  }

  // The system's zone, loaded on its own first so its standard name is the database's.
  SystemZoneInfo system;
  FixedSystemTimeZone systemSource;
  if (options.systemZone) {
    MemoryRegistry scratch;
    auto root = scratch.currentUser()->createSubkey(u"S", kKeyReadWrite, KeyLifetime::Persistent);
    writeText(*root.key->createSubkey(kZonesSubkey, kKeyReadWrite, KeyLifetime::Persistent).key,
              u"system", *options.systemZone);
    ConfiguredZoneTable own;
    reloadTimeZones(own, *root.key, ZoneDatabaseAccess{*machine, *names, systemSource});
    const int index = own.indexByKey(u"system");
    if (index < 0)
      return "--system-zone names no readable zone of the database";
    systemZone_ = own.entry(index);
    system.setStandardName(systemZone_->info.standardNameView());
    systemSource = FixedSystemTimeZone(system);
  }

  configured_ = std::make_unique<ConfiguredZoneTable>();
  reloadTimeZones(*configured_, *settings, ZoneDatabaseAccess{*machine, *names, systemSource});
  return {};
}

std::optional<std::pair<SystemZoneInfo, CalendarTime>> ZoneToolData::systemZoneAt(
    const CalendarTime& utc) {
  if (!systemZone_)
    return std::nullopt;
  const ZoneInformation& zone = systemZone_->info;
  const ZoneMoment moment = zoneMomentAt(zone, utc, systemZone_->yearCache);
  SystemZoneInfo info;
  info.bias = zone.bias;
  info.standardBias = zone.standardBias;
  info.daylightBias = zone.daylightBias;
  info.daylightInForce = moment.daylight;
  info.setStandardName(zone.standardNameView());
  info.setDaylightName(zone.daylightNameView());
  return std::pair{info, moment.time.local};
}

}  // namespace zembrik
