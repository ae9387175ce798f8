// Loading the zone table from any `tzones` values (any names, any data, any types), any
// `ZN-locale`, database zones with any names and records, and indirect strings of any shape;
// then every zone through the format language. The table must stay consistent: every key finds
// an entry with that key, and the UTC zone is an entry.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/format/format_compile.h"
#include "engine/format/format_render.h"
#include "engine/names/name_tables.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "engine/timezone/configured_zone_table.h"
#include "engine/timezone/zone_fixtures.h"
#include "engine/timezone/zone_loading.h"

using namespace zembrik;

namespace {

std::u16string text(FuzzedDataProvider& in, std::size_t maxChars) {
  const std::size_t length = in.ConsumeIntegralInRange<std::size_t>(0, maxChars);
  std::u16string out;
  for (std::size_t i = 0; i < length && in.remaining_bytes() > 0; ++i) {
    // Mostly the characters that mean something here, sometimes anything.
    static constexpr char16_t kCommon[] = u"\x0001 @,-\\.0123456789tzUTC";
    out += in.ConsumeBool() ? kCommon[in.ConsumeIntegralInRange<std::size_t>(0, 22)]
                            : in.ConsumeIntegral<char16_t>();
  }
  return out;
}

std::u16string subkeyName(FuzzedDataProvider& in, const std::vector<std::u16string>& known) {
  if (!known.empty() && in.ConsumeBool()) {
    return known[in.ConsumeIntegralInRange<std::size_t>(0, known.size() - 1)];
  }
  return text(in, 40);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  MemoryRegistry registry;
  auto machine = registry.localMachine();
  installFixtureZoneDatabase(*machine);
  std::vector<std::u16string> subkeys;
  for (const auto& zone : fixtureZones()) subkeys.emplace_back(zone.subkey);

  // Database zones of the input's own.
  const int zones = in.ConsumeIntegralInRange(0, 4);
  for (int i = 0; i < zones; ++i) {
    auto name = text(in, 20);
    auto key = machine->createSubkey(std::u16string(kTimeZoneDatabasePath) + u"\\" + name,
                                     kKeyReadWrite, KeyLifetime::Persistent);
    if (!key)
      continue;
    auto record =
        in.ConsumeBytes<std::uint8_t>(in.ConsumeBool() ? 44 : in.ConsumeIntegral<std::uint8_t>());
    key.key->setValue(u"TZI", RegType::Binary, record);
    for (auto value : {u"Std", u"Dlt", u"MUI_Std", u"MUI_Dlt"}) {
      if (in.ConsumeBool())
        writeText(*key.key, value, text(in, 40));
    }
    subkeys.push_back(std::move(name));
  }

  auto names = makeFixtureZoneNames(*machine);
  names->setMuiAvailable(in.ConsumeBool());
  names->addDisplayString(text(in, 12), in.ConsumeIntegral<std::uint16_t>(), text(in, 40));
  names->addLibraryString(u"C:\\Windows\\system32\\" + text(in, 8) + u"\\" + text(in, 12) + u".mui",
                          in.ConsumeIntegral<std::uint16_t>(), text(in, 40));

  auto root = registry.currentUser()
                  ->createSubkey(kSettingsRootPath, kKeyReadWrite, KeyLifetime::Persistent)
                  .key;
  writeText(*root, u"ZN-locale",
            in.ConsumeBool() ? std::u16string(kFixtureSpecialLocale) : text(in, 12));
  auto tzones = root->createSubkey(u"tzones", kKeyReadWrite, KeyLifetime::Persistent).key;
  const int values = in.ConsumeIntegralInRange(0, 12);
  for (int i = 0; i < values; ++i) {
    auto name = in.ConsumeBool() ? text(in, 24)
                                 : std::u16string(1020 + in.ConsumeIntegralInRange(0, 8), u'k');
    if (in.ConsumeIntegralInRange(0, 7) == 0) {
      auto raw = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange(0, 8));
      tzones->setValue(name, static_cast<RegType>(in.ConsumeIntegralInRange(0, 11)), raw);
    } else {
      writeText(*tzones, name, subkeyName(in, subkeys));
    }
  }

  SystemZoneInfo system;
  system.setStandardName(subkeyName(in, subkeys));
  FixedSystemTimeZone systemZone(system);
  ConfiguredZoneTable table;
  reloadTimeZones(table, *root, ZoneDatabaseAccess{*machine, *names, systemZone});
  if (names->librariesLoaded() != 0)
    std::abort();
  if (table.utcIndex() >= static_cast<int>(table.size()))
    std::abort();

  CalendarTime utc;
  for (std::uint16_t* field : {&utc.year, &utc.month, &utc.dayOfWeek, &utc.day, &utc.hour,
                               &utc.minute, &utc.second, &utc.milliseconds}) {
    *field = in.ConsumeIntegral<std::uint16_t>();
  }
  NameTables nameTables;
  FixedLockKeyStates keys;
  FormatEnvironment env{nameTables, table, systemZone, keys};
  for (std::size_t i = 0; i < table.size(); ++i) {
    const auto& entry = table.entry(static_cast<int>(i));
    const int found = table.indexByKey(entry.key);
    if (found < 0 || table.entry(found).key != entry.key)
      std::abort();
    if (entry.key.find(u'\x0001') != std::u16string::npos)
      std::abort();

    CompiledFormat compiled;
    compileFormat(u"@{" + entry.key + u"}HH:mm ZA Zn ZN zzz@{}ZA Zn@{.}ZA Zn", compiled, false,
                  table);
    PaintCache paint;
    RenderedFormat out;
    renderFormat(compiled, RenderMoment{utc, utc}, paint, env, VariantRequest::None, out);
  }
  return 0;
}
