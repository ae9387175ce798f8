// When alarms ring next: weekdays, dates with their monthly and annual repeats across month
// ends and leap years, and the time's carry into the next day.
#include <gtest/gtest.h>

#include "engine/alarms/alarm_record_text.h"
#include "engine/alarms/next_occurrence.h"
#include "tests/alarms/alarm_test_clock.h"

namespace zembrik {
namespace {

struct OccurrenceCase {
  const char16_t* record;
  const char* now;
  const char* rings;  // nullptr: never
};

TEST(NextOccurrence, FromLocalTime) {
  // 2026-12-09 is a Wednesday.
  const OccurrenceCase cases[] = {
      // weekly: the only day is today and its time has just passed: the same time in 7 days
      {u"073000 d W:smtW", "2026-12-09 07:30:01", "2026-12-16 07:30:00"},
      {u"073000 d W:smtW", "2026-12-09 07:30:00", "2026-12-16 07:30:00"},
      {u"073000 d W:smtW", "2026-12-09 07:29:59", "2026-12-09 07:30:00"},
      {u"073000 d W:SmtW", "2026-12-09 08:00:00", "2026-12-13 07:30:00"},  // Sunday comes first
      {u"073000 d W:smtwtfS", "2026-12-31 23:00:00", "2027-01-02 07:30:00"},
      {u"073000 D20261209 W:", "2026-12-09 07:00:00", nullptr},  // no day letters: never
      // once
      {u"073000 D20261210", "2026-12-09 07:30:00", "2026-12-10 07:30:00"},
      {u"073000 d20261209", "2026-12-09 07:30:00", "2026-12-09 07:30:00"},  // this very second
      {u"073000 D20261209", "2026-12-09 07:30:01", nullptr},
      {u"250000 D20261231", "2026-12-31 12:00:00", "2027-01-01 01:00:00"},  // hours carry
      {u"235960 D20261231", "2026-12-31 12:00:00", "2027-01-01 00:00:00"},
      {u"073000 D20270230", "2026-12-09 00:00:00", "2027-02-28 07:30:00"},  // day beyond month
      {u"073000 D20261300", "2026-12-09 00:00:00", "2027-01-01 07:30:00"},  // month 13, day 0
      // monthly on the 31st: the month's last day
      {u"073000 M20260131", "2026-04-01 00:00:00", "2026-04-30 07:30:00"},
      {u"073000 M20260131", "2026-04-30 08:00:00", "2026-05-31 07:30:00"},
      {u"073000 M20260131", "2027-02-10 00:00:00", "2027-02-28 07:30:00"},
      {u"073000 M20260131", "2028-02-10 00:00:00", "2028-02-29 07:30:00"},
      {u"073000 m20260115", "2026-12-20 00:00:00", "2027-01-15 07:30:00"},  // December wraps
      {u"073000 m", "2026-12-09 00:00:00", "2027-01-01 07:30:00"},          // no date: the 1st
      // annually on 29 February: the 28th in other years
      {u"073000 Y20240229", "2026-01-01 00:00:00", "2026-02-28 07:30:00"},
      {u"073000 Y20240229", "2027-03-01 00:00:00", "2028-02-29 07:30:00"},
      {u"073000 y20241209", "2026-12-09 07:31:00", "2027-12-09 07:30:00"},
  };
  for (const auto& c : cases) {
    const std::u16string text = c.record;
    SCOPED_TRACE(std::string(text.begin(), text.end()) + " at " + c.now);
    const auto record = parseAlarmRecord(text);
    ASSERT_TRUE(record);
    const std::int64_t expected = c.rings ? test::secondsBetween(c.now, c.rings) : kNeverOccurs;
    EXPECT_EQ(nextOccurrence(*record, test::localTime(c.now)), expected);
  }
}

TEST(NextOccurrence, HugeFieldsGiveFarAwayResultsWithoutOverflow) {
  const auto now = test::localTime("2026-12-09 07:30:00");
  for (const char16_t* text : {u"2147483647 D2147483647", u"2147483647 W:SMTWTFS",
                               u"2147483647 y2147483647", u"2147483647 M"}) {
    EXPECT_GT(nextOccurrence(*parseAlarmRecord(text), now), 0);
  }
}

TEST(NextOccurrence, OneSecondLaterCarriesIntoTheNextYear) {
  const auto later = oneSecondLater(test::localTime("2026-12-31 23:59:59"));
  EXPECT_EQ(later, test::localTime("2027-01-01 00:00:00"));
  EXPECT_EQ(later.dayOfWeek, 5);  // Friday
  EXPECT_EQ(oneSecondLater(test::localTime("2028-02-28 23:59:59")),
            test::localTime("2028-02-29 00:00:00"));
}

}  // namespace
}  // namespace zembrik
