// Rule dates, the bias carry, daylight-saving state and zone time, on the fixture rules and on
// rules made to sit on month and year boundaries.
#include "engine/timezone/daylight_saving.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/timezone/zone_test_support.h"

namespace zembrik::testing {
namespace {

constexpr int kSunday = 0;
constexpr int kThursday = 4;

std::string show(const CalendarTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d w%d", t.year, t.month, t.day,
                t.hour, t.minute, t.second, t.milliseconds, t.dayOfWeek);
  return text;
}

TEST(TransitionInstant, ResolvesTheWeekdayOccurrenceAndCarriesTheBias) {
  struct Case {
    const char* what;
    TransitionRule rule;
    int year;
    int bias;
    CalendarTime expected;
  };
  const Case cases[] = {
      {"second Sunday", ruleOn(3, kSunday, 2, 2), 2025, 480, utcAt(2025, 3, 9, 10)},
      {"first Sunday on the 1st", ruleOn(3, kSunday, 1, 2), 2026, 0, utcAt(2026, 3, 1, 2)},
      {"last of five Sundays", ruleOn(3, kSunday, 5, 2), 2025, 0, utcAt(2025, 3, 30, 2)},
      {"last of four Sundays", ruleOn(2, kSunday, 5, 2), 2026, 0, utcAt(2026, 2, 22, 2)},
      {"fifth Thursday only in a leap year", ruleOn(2, kThursday, 5, 0), 2024, 0,
       utcAt(2024, 2, 29)},
      {"fifth Thursday falls back to the fourth", ruleOn(2, kThursday, 5, 0), 2025, 0,
       utcAt(2025, 2, 27)},
      {"minutes of the rule", ruleOn(9, kSunday, 5, 2, 45), 2025, -765, utcAt(2025, 9, 27, 14)},
      {"carry into the next day", ruleOn(3, kSunday, 2, 23, 30), 2025, 60,
       utcAt(2025, 3, 10, 0, 30)},
      {"carry into the next month", ruleOn(8, kSunday, 5, 23), 2025, 120, utcAt(2025, 9, 1, 1)},
      {"carry back into the month before", ruleOn(2, kSunday, 1, 0, 30), 2026, -600,
       utcAt(2026, 1, 31, 14, 30)},
      {"carry into the next year", ruleOn(12, kSunday, 5, 22), 2028, 180, utcAt(2029, 1, 1, 1)},
      {"carry back into the year before", ruleOn(1, kSunday, 1, 0), 2023, -780,
       utcAt(2022, 12, 31, 11)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(show(calendarTimeOf(transitionInstant(c.rule, c.year, c.bias))), show(c.expected))
        << c.what;
  }
}

struct ZoneCase {
  const char* what;
  CalendarTime utc;
  CalendarTime local;
  int bias;
};

void expectZoneTimes(const ZoneInformation& zone, std::initializer_list<ZoneCase> cases) {
  DaylightYearCache cache;
  for (const auto& c : cases) {
    auto moment = zoneMomentAt(zone, c.utc, cache);
    EXPECT_EQ(show(moment.time.local), show(c.local)) << c.what;
    EXPECT_EQ(moment.time.biasMinutes, c.bias) << c.what;
    EXPECT_EQ(moment.daylight, c.bias != zone.bias + zone.standardBias) << c.what;
  }
}

TEST(ZoneTime, NorthernZoneAcrossBothChanges) {
  expectZoneTimes(
      fixtureRules(u"Pacific Standard Time"),
      {
          {"winter", utcAt(2025, 1, 15, 12), utcAt(2025, 1, 15, 4), 480},
          {"just before spring", utcAt(2025, 3, 9, 9, 59, 59, 999),
           utcAt(2025, 3, 9, 1, 59, 59, 999), 480},
          {"spring", utcAt(2025, 3, 9, 10), utcAt(2025, 3, 9, 3), 420},
          {"summer, local date behind", utcAt(2025, 7, 1, 3), utcAt(2025, 6, 30, 20), 420},
          {"last daylight millisecond", utcAt(2025, 11, 2, 8, 59, 59, 999),
           utcAt(2025, 11, 2, 1, 59, 59, 999), 420},
          {"autumn repeats the hour", utcAt(2025, 11, 2, 9), utcAt(2025, 11, 2, 1), 480},
          {"New Year in UTC only", utcAt(2026, 1, 1, 2), utcAt(2025, 12, 31, 18), 480},
      });
}

TEST(ZoneTime, SouthernZoneAcrossBothChanges) {
  expectZoneTimes(
      fixtureRules(u"AUS Eastern Standard Time"),
      {
          {"January is summer", utcAt(2025, 1, 15, 12), utcAt(2025, 1, 15, 23), -660},
          {"last daylight millisecond", utcAt(2025, 4, 5, 15, 59, 59, 999),
           utcAt(2025, 4, 6, 2, 59, 59, 999), -660},
          {"autumn repeats the hour", utcAt(2025, 4, 5, 16), utcAt(2025, 4, 6, 2), -600},
          {"winter", utcAt(2025, 7, 1), utcAt(2025, 7, 1, 10), -600},
          {"just before spring", utcAt(2025, 10, 4, 15, 59, 59, 999),
           utcAt(2025, 10, 5, 1, 59, 59, 999), -600},
          {"spring", utcAt(2025, 10, 4, 16), utcAt(2025, 10, 5, 3), -660},
          {"New Year in local time only", utcAt(2025, 12, 31, 13), utcAt(2026, 1, 1), -660},
      });
}

TEST(ZoneTime, ZonesWithoutDaylightSaving) {
  expectZoneTimes(fixtureRules(u"India Standard Time"),
                  {{"half-hour offset carries the day", utcAt(2025, 6, 1, 20),
                    utcAt(2025, 6, 2, 1, 30), -330}});
  expectZoneTimes(fixtureRules(u"UTC"), {{"UTC", utcAt(2025, 6, 1, 20), utcAt(2025, 6, 1, 20), 0}});

  // Each of these would be in daylight time in July with the western European rules.
  auto europe = fixtureRules(u"W. Europe Standard Time");
  auto equalBiases = europe;
  equalBiases.daylightBias = europe.standardBias;
  auto noStandardMonth = europe;
  noStandardMonth.standardDate.month = 0;
  auto noDaylightMonth = europe;
  noDaylightMonth.daylightDate.month = 0;
  auto badMonth = europe;
  badMonth.daylightDate.month = 13;
  auto badOccurrence = europe;
  badOccurrence.standardDate.day = 0;
  auto badWeekday = europe;
  badWeekday.daylightDate.dayOfWeek = 7;
  auto badHour = europe;
  badHour.daylightDate.hour = 24;
  for (const auto* zone : {&equalBiases, &noStandardMonth, &noDaylightMonth, &badMonth,
                           &badOccurrence, &badWeekday, &badHour}) {
    DaylightYearCache cache;
    EXPECT_FALSE(zoneMomentAt(*zone, utcAt(2025, 7, 1), cache).daylight);
  }
  DaylightYearCache cache;
  EXPECT_TRUE(zoneMomentAt(europe, utcAt(2025, 7, 1), cache).daylight);
}

TEST(ZoneTime, StandardBiasCountsOutsideDaylightTime) {
  auto zone = fixtureRules(u"W. Europe Standard Time");
  zone.standardBias = -30;
  zone.daylightBias = -90;
  expectZoneTimes(zone, {{"winter", utcAt(2025, 1, 1), utcAt(2025, 1, 1, 1, 30), -90},
                         {"summer", utcAt(2025, 7, 1), utcAt(2025, 7, 1, 2, 30), -150}});
}

// The change back to standard time of the next year can fall into the last hours of this UTC
// year; judging a moment only by its own UTC year's changes would put it back in daylight time.
TEST(ZoneTime, ChangeNearNewYearTakesEffectInTheNeighbouringUtcYear) {
  auto zone = zoneRules(-780, -60, ruleOn(1, kSunday, 1, 1), ruleOn(9, kSunday, 5, 2));
  expectZoneTimes(
      zone,
      {
          {"before", utcAt(2022, 12, 31, 10, 59, 59, 999), utcAt(2023, 1, 1, 0, 59, 59, 999), -840},
          {"after", utcAt(2022, 12, 31, 12), utcAt(2023, 1, 1, 1), -780},
          {"still after", utcAt(2022, 12, 31, 23, 59), utcAt(2023, 1, 1, 12, 59), -780},
          {"next UTC year", utcAt(2023, 1, 1, 1), utcAt(2023, 1, 1, 14), -780},
      });
}

TEST(ZoneTime, TheYearCacheFollowsTheYearAskedFor) {
  const auto& zone = fixtureRules(u"W. Europe Standard Time");
  DaylightYearCache cache;
  // 2025 changes on 30 March and 26 October, 2026 on 29 March and 25 October (01:00 UTC).
  struct Step {
    CalendarTime utc;
    bool daylight;
  };
  const Step steps[] = {
      {utcAt(2025, 3, 30, 0, 59), false}, {utcAt(2025, 3, 30, 1), true},
      {utcAt(2026, 3, 29, 0, 59), false}, {utcAt(2026, 3, 29, 1), true},
      {utcAt(2025, 10, 26, 0, 59), true}, {utcAt(2025, 10, 26, 1), false},
      {utcAt(2026, 10, 25, 0, 59), true}, {utcAt(2026, 10, 25, 1), false},
      {utcAt(2025, 10, 25, 1), true},
  };
  for (const auto& step : steps) {
    EXPECT_EQ(isDaylightInForce(zone, millisecondsOf(step.utc), step.utc.year, cache),
              step.daylight)
        << show(step.utc);
    EXPECT_TRUE(cache.holds(step.utc.year));
  }
}

TEST(ZoneRecord, ReadsTheDatabaseLayoutAndRefusesOtherSizesAndBiases) {
  // "Pacific Standard Time" as the system's database stores it.
  const std::vector<std::uint8_t> pacific = {
      0xe0, 0x01, 0, 0, 0, 0, 0, 0, 0xc4, 0xff, 0xff, 0xff, 0, 0, 11, 0, 0, 0, 1, 0, 2, 0,
      0,    0,    0, 0, 0, 0, 0, 0, 3,    0,    0,    0,    2, 0, 2,  0, 0, 0, 0, 0, 0, 0};
  auto zone = parseTzi(pacific);
  ASSERT_TRUE(zone);
  EXPECT_EQ(zone->bias, 480);
  EXPECT_EQ(zone->standardBias, 0);
  EXPECT_EQ(zone->daylightBias, -60);
  EXPECT_EQ(show(zone->standardDate), show(ruleOn(11, kSunday, 1, 2)));
  EXPECT_EQ(show(zone->daylightDate), show(ruleOn(3, kSunday, 2, 2)));
  EXPECT_EQ(encodeTzi(*zone), pacific);

  for (std::size_t size : {0u, 43u, 45u}) {
    auto bytes = pacific;
    bytes.resize(size);
    EXPECT_FALSE(parseTzi(bytes)) << size;
  }
  for (int field = 0; field < 3; ++field) {
    for (std::int32_t bias : {1441, -1441, INT32_MIN}) {
      auto bytes = pacific;
      for (int i = 0; i < 4; ++i) bytes[field * 4 + i] = static_cast<std::uint8_t>(bias >> (8 * i));
      EXPECT_FALSE(parseTzi(bytes)) << field << " " << bias;
    }
  }
}

TEST(CalendarDays, RoundTripsAndWeekdays) {
  // Every 997th day from 1601 to 9999.
  for (std::int64_t day = -134774; day <= 2932896; day += 997) {
    auto t = calendarTimeOf(day * kMillisecondsPerDay + 3'723'004);
    ASSERT_EQ(millisecondsOf(t), day * kMillisecondsPerDay + 3'723'004);
    ASSERT_EQ(t.dayOfWeek, weekdayOf(day));
  }
  EXPECT_EQ(show(utcAt(2024, 2, 29, 23, 59, 59, 999)), "2024-02-29 23:59:59.999 w4");
  EXPECT_EQ(show(utcAt(1601, 1, 1)), "1601-01-01 00:00:00.000 w1");
  EXPECT_EQ(daysInMonth(2100, 2), 28);
  EXPECT_EQ(daysInMonth(2000, 2), 29);
}

}  // namespace
}  // namespace zembrik::testing
