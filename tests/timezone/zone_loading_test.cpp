// Building the zone table from `tzones`, `ZN-locale` and the fixture database.
#include "engine/timezone/zone_loading.h"

#include <gtest/gtest.h>

#include "tests/timezone/zone_test_support.h"

namespace zembrik::testing {
namespace {

const CalendarTime kJuly = utcAt(2025, 7, 1, 12);
const CalendarTime kJanuary = utcAt(2025, 1, 15, 12);

TEST(ZoneKeyText, SplitsAtTheFirstTwoMarks) {
  struct Case {
    std::u16string_view text, key, standard, daylight;
  };
  const Case cases[] = {
      {u"PT", u"PT", u"", u""},
      {u"PT\x0001PST", u"PT", u"PST", u""},
      {u"PT\x0001PST\x0001PDT", u"PT", u"PST", u"PDT"},
      {u"PT\x0001\x0001PDT", u"PT", u"", u"PDT"},
      {u"PT\x0001PST\x0001PDT\x0001x", u"PT", u"PST", u"PDT\x0001x"},
      {u"\x0001", u"", u"", u""},
      {u"", u"", u"", u""},
  };
  for (const auto& c : cases) {
    auto parts = splitZoneKeyText(c.text);
    EXPECT_EQ(parts.key, c.key);
    EXPECT_EQ(parts.standardAbbreviation, c.standard);
    EXPECT_EQ(parts.daylightAbbreviation, c.daylight);
  }
}

TEST(ZoneLoading, ConfiguredZonesCarryTheirAbbreviationsAndNames) {
  ZoneWorld world;
  world.configure(u"PT\x0001PST\x0001PDT", u"Pacific Standard Time");
  world.configure(
      u"SYD\x0001\x0001"
      u"AEDT",
      u"AUS Eastern Standard Time");
  world.configure(u"IN", u"India Standard Time");
  world.reload();

  int pt = world.table.indexByKey(u"PT");
  ASSERT_GE(pt, 0);
  EXPECT_EQ(world.table.abbreviation(pt, kJanuary), u"PST");
  EXPECT_EQ(world.table.abbreviation(pt, kJuly), u"PDT");
  EXPECT_EQ(world.table.name(pt, kJanuary, ZoneNameForm::Plain), u"Pacific Standard Time");
  EXPECT_EQ(world.table.name(pt, kJuly, ZoneNameForm::Plain), u"Pacific Daylight Time");
  ZoneTime time;
  ASSERT_TRUE(world.table.zoneTime(pt, kJuly, time));
  EXPECT_EQ(time.biasMinutes, 420);
  EXPECT_EQ(time.local.hour, 5);

  int syd = world.table.indexByKey(u"SYD");
  EXPECT_EQ(world.table.abbreviation(syd, kJanuary), u"AEDT");  // southern summer
  EXPECT_EQ(world.table.abbreviation(syd, kJuly), u"");

  int in = world.table.indexByKey(u"IN");
  EXPECT_EQ(world.table.abbreviation(in, kJuly), u"");  // standard-only value name
  EXPECT_EQ(world.table.name(in, kJuly, ZoneNameForm::Plain), u"India Standard Time");

  EXPECT_LT(world.table.indexByKey(u"XYZ"), 0);
  EXPECT_FALSE(world.table.zoneTime(static_cast<int>(world.table.size()), kJuly, time));
  EXPECT_FALSE(world.table.zoneTime(-1, kJuly, time));
  EXPECT_EQ(world.table.abbreviation(-1, kJuly), u"");
}

TEST(ZoneLoading, UtcStandInUnlessUtcIsConfigured) {
  ZoneWorld world;
  world.configure(u"PT", u"Pacific Standard Time");
  world.reload();
  int utc = world.table.utcIndex();
  ASSERT_GE(utc, 0);
  EXPECT_EQ(world.table.entry(utc).key, u" utc ");
  EXPECT_EQ(world.table.abbreviation(utc, kJuly), u"");
  EXPECT_EQ(world.table.name(utc, kJuly, ZoneNameForm::Plain), u"Coordinated Universal Time");
  EXPECT_LT(world.table.indexByKey(u"utc"), 0);
  EXPECT_LT(world.table.indexByKey(u"UTC"), 0);

  world.configure(u"Z\x0001Zulu", u"UTC");
  world.reload();
  EXPECT_EQ(world.table.utcIndex(), world.table.indexByKey(u"Z"));
  EXPECT_LT(world.table.indexByKey(u" utc "), 0);
  EXPECT_EQ(world.table.abbreviation(world.table.utcIndex(), kJuly), u"Zulu");
}

TEST(ZoneLoading, UtcZoneAlwaysShowsItsStandardTexts) {
  ZoneWorld world;
  // A database "UTC" with daylight rules: the zone standing for UTC still shows standard texts.
  writeDatabaseZone(*world.machine, u"UTC", fixtureRules(u"W. Europe Standard Time"), u"U std",
                    u"U dlt");
  world.names->setMuiAvailable(false);
  world.configure(
      u"U\x0001S\x0001"
      u"D",
      u"UTC");
  world.reload();
  int utc = world.table.utcIndex();
  EXPECT_EQ(world.table.abbreviation(utc, kJuly), u"S");
  EXPECT_EQ(world.table.name(utc, kJuly, ZoneNameForm::Plain), u"U std");
}

TEST(ZoneLoading, SystemZoneIsAddedWithAnEmptyKeyWhenNotConfigured) {
  {
    ZoneWorld world(u"W. Europe Standard Time");
    world.reload();
    int local = world.table.indexByStandardName(u"W. Europe Standard Time");
    ASSERT_GE(local, 0);
    EXPECT_EQ(world.table.entry(local).key, u"");
    EXPECT_EQ(world.table.size(), 2u);  // and the UTC stand-in
  }
  {
    ZoneWorld world(u"W. Europe Standard Time");
    world.configure(u"CET", u"W. Europe Standard Time");
    world.reload();
    EXPECT_EQ(world.table.indexByStandardName(u"W. Europe Standard Time"),
              world.table.indexByKey(u"CET"));
    EXPECT_EQ(world.table.size(), 2u);
  }
  {
    ZoneWorld world(u"Mitteleurop\u00e4ische Zeit");  // a translated name names no subkey
    world.reload();
    EXPECT_LT(world.table.indexByStandardName(u"Mitteleurop\u00e4ische Zeit"), 0);
    EXPECT_EQ(world.table.size(), 1u);
  }
}

TEST(ZoneLoading, UnreadableZonesAreLeftOutSilently) {
  ZoneWorld world;
  auto database = world.machine->openSubkey(kTimeZoneDatabasePath, kKeyReadWrite).key;
  database->createSubkey(u"No TZI", kKeyReadWrite, KeyLifetime::Persistent);
  auto shortTzi = database->createSubkey(u"Short TZI", kKeyReadWrite, KeyLifetime::Persistent).key;
  std::vector<std::uint8_t> bytes(40, 0);
  shortTzi->setValue(u"TZI", RegType::Binary, bytes);
  auto longTzi = database->createSubkey(u"Long TZI", kKeyReadWrite, KeyLifetime::Persistent).key;
  bytes.assign(48, 0);
  longTzi->setValue(u"TZI", RegType::Binary, bytes);

  world.configure(u"A", u"Missing Standard Time");
  world.configure(u"B", u"No TZI");
  world.configure(u"C", u"Short TZI");
  world.configure(u"D", u"Long TZI");
  world.configure(u"E", u"");
  world.configure(u"F", u"Pacific Standard Time");
  auto zones = world.root->openSubkey(u"tzones", kKeyReadWrite).key;
  const std::uint8_t number[4] = {1, 0, 0, 0};
  zones->setValue(u"G", RegType::Dword, number);
  world.configure(std::u16string(1024, u'x'), u"India Standard Time");  // name too long
  world.configure(u"H", u"India Standard Time");
  world.reload();

  for (auto key : {u"A", u"B", u"C", u"D", u"E", u"G"}) {
    EXPECT_LT(world.table.indexByKey(key), 0) << static_cast<char>(key[0]);
  }
  EXPECT_GE(world.table.indexByKey(u"F"), 0);
  EXPECT_GE(world.table.indexByKey(u"H"), 0);
  EXPECT_EQ(world.table.size(), 4u);  // F, H, the system zone and the UTC stand-in
}

TEST(ZoneLoading, TheValueEnumeratedLastWinsAKey) {
  ZoneWorld world;
  // Values are enumerated from the last to the first, so the first written is enumerated last.
  world.configure(u"X\x0001one", u"India Standard Time");
  world.configure(u"X\x0001two", u"Pacific Standard Time");
  world.reload();
  int x = world.table.indexByKey(u"X");
  EXPECT_EQ(world.table.entry(x).subkey, u"India Standard Time");

  // A value whose whole name is already a key is not added at all.
  ZoneWorld other;
  other.configure(u"Y", u"India Standard Time");
  other.configure(u"Y\x0001two", u"Pacific Standard Time");
  other.reload();
  EXPECT_EQ(other.byKey(u"Y").subkey, u"Pacific Standard Time");
  EXPECT_EQ(other.table.size(), 3u);
}

TEST(ZoneLoading, MuiNamesFallBackToPlainNamesForTheRestOfTheProcess) {
  ZoneWorld world;
  writeDatabaseZone(*world.machine, u"Odd Standard Time", fixtureRules(u"UTC"), u"Odd plain",
                    u"Odd plain daylight", u"@tzres.dll,-999", u"@tzres.dll,-1000");
  writeDatabaseZone(*world.machine, u"Pacific Standard Time",
                    fixtureRules(u"Pacific Standard Time"), u"Pacific plain",
                    u"Pacific plain daylight", u"@tzres.dll,-211", u"@tzres.dll,-212");
  world.configure(u"P1", u"Pacific Standard Time");
  world.configure(u"O", u"Odd Standard Time");  // enumerated first; its strings do not resolve
  world.configure(u"P0", u"Pacific Standard Time");
  world.reload();
  EXPECT_EQ(world.byKey(u"P0").info.standardNameView(), u"Pacific Standard Time");
  EXPECT_EQ(world.byKey(u"O").info.standardNameView(), u"Odd plain");
  EXPECT_EQ(world.byKey(u"O").info.daylightNameView(), u"Odd plain daylight");
  EXPECT_EQ(world.byKey(u"P1").info.standardNameView(), u"Pacific plain");
  EXPECT_TRUE(world.table.muiNamesFailed());

  const int callsBefore = world.names->muiCalls();
  world.reload();
  EXPECT_EQ(world.names->muiCalls(), callsBefore);
  EXPECT_EQ(world.byKey(u"P0").info.standardNameView(), u"Pacific plain");
}

TEST(ZoneLoading, PlainNamesAreCutTo31Characters) {
  ZoneWorld world;
  world.names->setMuiAvailable(false);
  const std::u16string longName = u"An Exceedingly Long Standard Time Name";
  writeDatabaseZone(*world.machine, u"Long", fixtureRules(u"UTC"), longName, u"");
  world.configure(u"L", u"Long");
  world.reload();
  EXPECT_EQ(world.byKey(u"L").info.standardNameView(), longName.substr(0, 31));
  EXPECT_EQ(world.table.indexByStandardName(longName.substr(0, 31)), world.table.indexByKey(u"L"));
}

TEST(ZoneLoading, SpecialLocaleNames) {
  ZoneWorld world;
  writeText(*world.root, u"ZN-locale", u"de-DE");
  world.configure(u"PT", u"Pacific Standard Time");
  world.configure(u"CET", u"W. Europe Standard Time");
  world.reload();
  int cet = world.table.indexByKey(u"CET");
  EXPECT_EQ(world.table.name(cet, kJanuary, ZoneNameForm::SpecialLocale),
            u"Mitteleurop\u00e4ische Zeit");
  EXPECT_EQ(world.table.name(cet, kJuly, ZoneNameForm::SpecialLocale),
            u"Mitteleurop\u00e4ische Sommerzeit");
  EXPECT_EQ(world.table.name(cet, kJuly, ZoneNameForm::Plain), u"W. Europe Daylight Time");
  // One file, loaded once for the whole load and unloaded at its end.
  EXPECT_EQ(world.names->libraryLoads(), 1);
  EXPECT_EQ(world.names->librariesLoaded(), 0);
  world.reload();
  EXPECT_EQ(world.names->libraryLoads(), 2);
  EXPECT_EQ(world.names->librariesLoaded(), 0);
}

TEST(ZoneLoading, SpecialLocaleFailureFallsBackForTheRestOfTheLoad) {
  ZoneWorld world;
  writeText(*world.root, u"ZN-locale", u"de-DE");
  writeDatabaseZone(*world.machine, u"Broken", fixtureRules(u"UTC"), u"Broken std", u"Broken dlt",
                    u"@tzres.dll,-931", u"@tzres.dll,-5555");  // no such daylight string
  world.configure(u"CET", u"W. Europe Standard Time");         // enumerated last
  world.configure(u"B", u"Broken");
  world.configure(u"PT", u"Pacific Standard Time");  // enumerated first
  world.reload();
  EXPECT_EQ(world.byKey(u"PT").specialStandardName, u"Pazifische Normalzeit");
  EXPECT_EQ(world.byKey(u"B").specialStandardName, u"Broken std");
  EXPECT_EQ(world.byKey(u"B").specialDaylightName, u"Broken dlt");
  EXPECT_EQ(world.byKey(u"CET").specialStandardName, u"W. Europe Standard Time");

  // A language with no files at all, and no language: the plain "Std"/"Dlt".
  writeText(*world.root, u"ZN-locale", u"fr-FR");
  world.reload();
  EXPECT_EQ(world.byKey(u"PT").specialDaylightName, u"Pacific Daylight Time");
  writeText(*world.root, u"ZN-locale", u"");
  world.reload();
  EXPECT_EQ(world.byKey(u"PT").specialStandardName, u"Pacific Standard Time");
  EXPECT_EQ(world.names->librariesLoaded(), 0);

  // The special form falls back to the plain name when the special one is empty.
  writeDatabaseZone(*world.machine, u"Nameless", fixtureRules(u"UTC"), u"", u"");
  world.configure(u"N", u"Nameless");
  world.reload();
  int n = world.table.indexByKey(u"N");
  EXPECT_EQ(world.table.name(n, kJuly, ZoneNameForm::SpecialLocale),
            world.table.name(n, kJuly, ZoneNameForm::Plain));
}

TEST(ZoneLoading, ReloadStartsAfresh) {
  ZoneWorld world;
  world.configure(u"PT", u"Pacific Standard Time");
  world.reload();
  world.table.setLocalIndex(0);
  auto zones = world.root->openSubkey(u"tzones", kKeyReadWrite).key;
  zones->deleteValue(u"PT");
  world.reload();
  EXPECT_LT(world.table.indexByKey(u"PT"), 0);
  EXPECT_LT(world.table.localIndex(), 0);
}

TEST(ZoneLoading, MissingKeysLeaveTheTableEmpty) {
  {
    // Without create access a missing `tzones` cannot be made.
    ZoneWorld world;
    auto readOnly =
        world.registry.currentUser()->openSubkey(u"Software\\OBR\\Zembrik", kKeyRead).key;
    reloadTimeZones(world.table, *readOnly,
                    ZoneDatabaseAccess{*world.machine, *world.names, world.systemZone});
    EXPECT_EQ(world.table.size(), 0u);
    EXPECT_LT(world.table.utcIndex(), 0);
    world.reload();  // with create access it is created
    EXPECT_TRUE(world.root->openSubkey(u"tzones", kKeyRead));
    EXPECT_GE(world.table.utcIndex(), 0);
  }
  {
    MemoryRegistry empty;
    ZoneWorld world;
    world.configure(u"PT", u"Pacific Standard Time");
    auto machine = empty.localMachine();
    reloadTimeZones(world.table, *world.root,
                    ZoneDatabaseAccess{*machine, *world.names, world.systemZone});
    EXPECT_EQ(world.table.size(), 0u);
  }
}

}  // namespace
}  // namespace zembrik::testing
