// zembrik-format's zone options: the fixture database, a stand-in for the live one, and the
// errors they report.
#include <gtest/gtest.h>

#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/timezone/zone_fixtures.h"
#include "tools/format/format_tool.h"
#include "tools/format/format_tool_zones.h"

namespace zembrik {
namespace {

std::string run(const std::vector<std::u16string>& args, int& code,
                const LiveZoneSources* live = nullptr) {
  FormatToolPlatform platform{[] { return CalendarTime{2030, 6, 0, 15, 12}; }, nullptr, live};
  std::string out, err;
  code = runFormatTool(args, platform, out, err);
  return code == 0 ? out : err;
}

TEST(FormatToolZones, FixtureZonesAcrossChanges) {
  const std::vector<std::u16string> zones = {
      u"--zones",       u"fixture",
      u"--zone",        u"PT/PST/PDT=Pacific Standard Time",
      u"--zone",        u"SYD//AEDT=AUS Eastern Standard Time",
      u"--system-zone", u"W. Europe Standard Time"};
  const std::u16string format = u"@{PT}HH:mm ZA|@{SYD}HH:mm ZA|@{}HH ZA|@{.}HH:mm zzz Zn";
  struct Case {
    std::u16string utc;
    std::string out;
  };
  const Case cases[] = {
      {u"2025-03-09 09:59:00", "01:59 PST|20:59 AEDT|09 UTC|10:59 +60 W. Europe Standard Time\n"},
      {u"2025-04-05 16:00:00", "09:00 PDT|02:00 ?a?|16 UTC|18:00 +120 W. Europe Daylight Time\n"},
  };
  for (const auto& c : cases) {
    auto args = zones;
    args.insert(args.end(), {u"--utc", c.utc, format});
    int code = -1;
    EXPECT_EQ(run(args, code), c.out);
    EXPECT_EQ(code, 0);
  }
  int code = -1;
  EXPECT_EQ(run({u"--zones", u"fixture", u"--zn-locale", u"de-DE", u"--zone",
                 u"PT=Pacific Standard Time", u"--utc", u"2025-01-01 00:00:00", u"@{PT}ZN|Zn"},
                code),
            "Pazifische Normalzeit|Pacific Standard Time\n");
}

TEST(FormatToolZones, LiveZonesComeFromTheUsersSettingsUnlessNamed) {
  MemoryRegistry registry;
  auto machine = registry.localMachine();
  installFixtureZoneDatabase(*machine);
  auto names = makeFixtureZoneNames(*machine);
  auto settings =
      registry.currentUser()
          ->createSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite, KeyLifetime::Persistent)
          .key;
  auto zones = settings->createSubkey(u"tzones", kKeyReadWrite, KeyLifetime::Persistent).key;
  writeText(*zones, u"IN\x0001IST", u"India Standard Time");
  LiveZoneSources live{machine.get(), names.get(), settings.get()};
  int code = -1;
  EXPECT_EQ(
      run({u"--zones", u"live", u"--utc", u"2025-01-01 00:00:00", u"@{IN}HH:mm ZA"}, code, &live),
      "05:30 IST\n");
  EXPECT_EQ(run({u"--zones", u"live", u"--zone", u"P=Pacific Standard Time", u"--utc",
                 u"2025-01-01 00:00:00", u"@{IN}HH|@{P}HH"},
                code, &live),
            "@00|16\n");
}

TEST(FormatToolZones, BadZoneOptions) {
  const std::vector<std::vector<std::u16string>> bad = {
      {u"--zones", u"all", u"HH"},
      {u"--zones"},
      {u"--zones", u"fixture", u"--zone", u"noequals", u"HH"},
      {u"--zones", u"fixture", u"--zone", u"=UTC", u"HH"},
      {u"--zone", u"X=UTC", u"HH"},
      {u"--zones", u"fixture", u"--system-zone", u"Nowhere", u"HH"},
      {u"--zones", u"fixture", u"--system-zone", u"UTC", u"--local", u"2025-01-01 00:00:00", u"HH"},
      {u"--zones", u"live", u"HH"},
  };
  for (const auto& args : bad) {
    int code = -1;
    std::string err = run(args, code);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
  }
}

}  // namespace
}  // namespace zembrik
