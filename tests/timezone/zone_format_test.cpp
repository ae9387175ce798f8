// Zone switches and zone tokens of the format language over a loaded zone table: the hours on
// both sides of the spring and autumn changes in both hemispheres, for a configured zone, UTC
// and local time.
#include <gtest/gtest.h>

#include "engine/format/format_compile.h"
#include "engine/format/format_render.h"
#include "engine/names/name_tables.h"
#include "engine/timezone/daylight_saving.h"
#include "tests/timezone/zone_test_support.h"

namespace zembrik::testing {
namespace {

// The system runs western European time; its record follows the moment rendered.
class ZoneFormat : public ::testing::Test {
 protected:
  ZoneFormat() {
    world.configure(u"PT\x0001PST\x0001PDT", u"Pacific Standard Time");
    world.configure(
        u"SYD\x0001"
        u"AEST\x0001"
        u"AEDT",
        u"AUS Eastern Standard Time");
    world.reload();
  }

  std::string render(std::u16string_view format, const CalendarTime& utc) {
    const auto& europe = fixtureRules(u"W. Europe Standard Time");
    DaylightYearCache cache;
    ZoneMoment local = zoneMomentAt(europe, utc, cache);
    SystemZoneInfo system;
    system.bias = europe.bias;
    system.daylightBias = europe.daylightBias;
    system.daylightInForce = local.daylight;
    system.setStandardName(u"W. Europe Standard Time");
    system.setDaylightName(u"W. Europe Daylight Time");
    FixedSystemTimeZone systemZone(system);
    FixedLockKeyStates keys;
    FormatEnvironment env{names, world.table, systemZone, keys};

    CompiledFormat compiled;
    compileFormat(format, compiled, /*cellMode=*/false, world.table);
    PaintCache paint;
    RenderedFormat out;
    renderFormat(compiled, RenderMoment{utc, local.time.local}, paint, env, VariantRequest::None,
                 out);
    std::string text;
    for (char16_t c : out.segments.at(0)) text += c < 0x80 ? static_cast<char>(c) : '?';
    return text;
  }

  ZoneWorld world;
  NameTables names;
};

TEST_F(ZoneFormat, HoursAcrossTheChangesInBothHemispheres) {
  const std::u16string_view format =
      u"@{PT}HH:mm ZA zzz|@{ SYD }HH:mm ZA zzz|@{}HH:mm ZA|@{.}HH:mm Zn zzz";
  struct Case {
    CalendarTime utc;
    const char* expected;
  };
  const Case cases[] = {
      // Pacific spring and autumn.
      {utcAt(2025, 3, 9, 9, 59),
       "01:59 PST -480|20:59 AEDT +660|09:59 UTC|10:59 W. Europe Standard Time +60"},
      {utcAt(2025, 3, 9, 10),
       "03:00 PDT -420|21:00 AEDT +660|10:00 UTC|11:00 W. Europe Standard Time +60"},
      {utcAt(2025, 11, 2, 8, 59),
       "01:59 PDT -420|19:59 AEDT +660|08:59 UTC|09:59 W. Europe Standard Time +60"},
      {utcAt(2025, 11, 2, 9),
       "01:00 PST -480|20:00 AEDT +660|09:00 UTC|10:00 W. Europe Standard Time +60"},
      // Eastern Australia autumn and spring.
      {utcAt(2025, 4, 5, 15, 59),
       "08:59 PDT -420|02:59 AEDT +660|15:59 UTC|17:59 W. Europe Daylight Time +120"},
      {utcAt(2025, 4, 5, 16),
       "09:00 PDT -420|02:00 AEST +600|16:00 UTC|18:00 W. Europe Daylight Time +120"},
      {utcAt(2025, 10, 4, 15, 59),
       "08:59 PDT -420|01:59 AEST +600|15:59 UTC|17:59 W. Europe Daylight Time +120"},
      {utcAt(2025, 10, 4, 16),
       "09:00 PDT -420|03:00 AEDT +660|16:00 UTC|18:00 W. Europe Daylight Time +120"},
      // Local (western European) spring and autumn.
      {utcAt(2025, 3, 30, 0, 59),
       "17:59 PDT -420|11:59 AEDT +660|00:59 UTC|01:59 W. Europe Standard Time +60"},
      {utcAt(2025, 3, 30, 1),
       "18:00 PDT -420|12:00 AEDT +660|01:00 UTC|03:00 W. Europe Daylight Time +120"},
      {utcAt(2025, 10, 26, 0, 59),
       "17:59 PDT -420|11:59 AEDT +660|00:59 UTC|02:59 W. Europe Daylight Time +120"},
      {utcAt(2025, 10, 26, 1),
       "18:00 PDT -420|12:00 AEDT +660|01:00 UTC|02:00 W. Europe Standard Time +60"},
  };
  for (const auto& c : cases) EXPECT_EQ(render(format, c.utc), c.expected);
}

TEST_F(ZoneFormat, NamesOfUtcAndUnknownZones) {
  const auto july = utcAt(2025, 7, 1, 12);
  // The UTC stand-in has no abbreviation of the user's; its name comes from the database.
  EXPECT_EQ(render(u"@{}ZA|Zn", july), "UTC|Coordinated Universal Time");
  // Zone switches are trimmed, keys are not: "utc" finds nothing, leaves the at sign and the
  // local time in force.
  EXPECT_EQ(render(u"@{utc}HH|@{ utc }HH|@{XYZ}HH", july), "@14|@14|@14");
  EXPECT_EQ(render(u"@{SYD}ZN|Zn", july), "AUS Eastern Standard Time|AUS Eastern Standard Time");
}

}  // namespace
}  // namespace zembrik::testing
