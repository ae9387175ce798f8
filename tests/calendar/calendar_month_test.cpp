#include <gtest/gtest.h>

#include "engine/calendar/calendar_caption.h"
#include "engine/calendar/calendar_month.h"
#include "engine/calendar/calendar_settings.h"
#include "engine/format/platform_state.h"
#include "engine/names/name_tables.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"

namespace zembrik {
namespace {

TEST(CalendarMove, MonthsAndYearsKeepTheDayAndStopAtTheEnds) {
  const struct {
    CalendarDate from;
    int months, years;
    int year, month, day;
  } cases[] = {
      {calendarDateOf(2024, 1, 15), -1, 0, 2023, 12, 15},  // January back: December before
      {calendarDateOf(2024, 12, 15), 1, 0, 2025, 1, 15},
      {calendarDateOf(2024, 1, 15), -13, 0, 2022, 12, 15},
      {calendarDateOf(2024, 1, 15), -12, 0, 2023, 1, 15},
      {calendarDateOf(2024, 12, 1), -12, 0, 2023, 12, 1},
      {calendarDateOf(2024, 11, 1), 14, 0, 2026, 1, 1},
      {calendarDateOf(2024, 7, 31), 0, -1, 2023, 7, 31},  // "<<" keeps the month
      {calendarDateOf(2024, 7, 31), 0, 1, 2025, 7, 31},
      {calendarDateOf(2024, 1, 31), 1, 0, 2024, 2, 31},  // kept, shown as the 29th
      {calendarDateOf(1601, 1, 5), -1, 0, 1601, 1, 5},   // stops at the first month
      {calendarDateOf(1601, 6, 5), 0, -1, 1601, 6, 5},
      {calendarDateOf(9999, 12, 5), 1, 0, 9999, 12, 5},  // and at the last
      {calendarDateOf(9999, 1, 5), 0, 1, 9999, 1, 5},
      {calendarDateOf(2024, 6, 5), 0, 1'000'000, 2024, 6, 5},
  };
  for (const auto& c : cases) {
    const CalendarDate moved = movedBy(c.from, c.months, c.years);
    EXPECT_EQ(moved.year, c.year) << c.from.year << "-" << c.from.month << " " << c.months;
    EXPECT_EQ(moved.month, c.month) << c.from.year << "-" << c.from.month << " " << c.months;
    EXPECT_EQ(moved.day, c.day);
  }
  // The weekday is that of the valid day: 29 February 2024 was a Thursday.
  EXPECT_EQ(validDay(movedBy(calendarDateOf(2024, 1, 31), 1, 0)), 29);
  EXPECT_EQ(movedBy(calendarDateOf(2024, 1, 31), 1, 0).weekday, 4);
  EXPECT_EQ(validDay(calendarDateOf(2023, 2, 31)), 28);
}

TEST(MonthGrid, StartsOnTheFirstWeekdayOnOrBeforeTheFirst) {
  const CalendarDate noToday = calendarDateOf(1900, 1, 1);
  const struct {
    int year, month, firstWeekday;
    int firstDay;  // the day number in the first cell
  } cases[] = {
      {2024, 1, 1, 1},   // 1 January 2024 is a Monday
      {2024, 1, 0, 31},  // the Sunday before
      {2015, 2, 0, 1},   // a February of four full weeks from Sunday still has six rows
      {2024, 9, 1, 26},  // 1 September 2024 is a Sunday: the Monday six days before
      {2024, 9, 7, 26},  // an index out of range counts as Monday
      {2024, 9, -3, 26},
  };
  for (const auto& c : cases) {
    const MonthGrid grid =
        buildMonthGrid(calendarDateOf(c.year, c.month, 1), c.firstWeekday, noToday);
    EXPECT_EQ(grid.days[0].day, c.firstDay) << c.year << "-" << c.month;
    EXPECT_GE(grid.firstWeekday, 0);
    EXPECT_LE(grid.firstWeekday, 6);
  }
  const MonthGrid february =
      buildMonthGrid(calendarDateOf(2015, 2, 1), 0, calendarDateOf(2015, 3, 4));
  // Rows five and six are all March; today is marked even outside the month.
  EXPECT_EQ(february.days[28].day, 1);
  EXPECT_EQ(february.days[28].kind, DayClass::WeekendOutside);
  EXPECT_EQ(february.days[31].kind, DayClass::WeekdayOutside);
  EXPECT_TRUE(february.days[31].today);
  EXPECT_EQ(february.days[41].day, 14);
  EXPECT_EQ(february.days[0].kind, DayClass::Weekend);
  EXPECT_EQ(february.days[1].kind, DayClass::Weekday);
}

TEST(MonthGrid, IsoWeekOfEachRow) {
  const CalendarDate noToday = calendarDateOf(1900, 1, 1);
  const struct {
    int year, month, firstWeekday;
    std::array<int, 6> weeks;
  } cases[] = {
      {2021, 1, 1, {53, 1, 2, 3, 4, 5}},  // 1 January 2021 is in week 53 of 2020
      {2023, 1, 1, {52, 1, 2, 3, 4, 5}},  // a Sunday: the last week of 2022
      {2023, 1, 0, {1, 2, 3, 4, 5, 6}},   // from Sunday the row is numbered by its Monday
      {2020, 12, 1, {49, 50, 51, 52, 53, 1}}, {1601, 1, 1, {1, 2, 3, 4, 5, 6}},
  };
  for (const auto& c : cases) {
    const MonthGrid grid =
        buildMonthGrid(calendarDateOf(c.year, c.month, 1), c.firstWeekday, noToday);
    for (std::size_t row = 0; row < 6; ++row)
      EXPECT_EQ(grid.weekNumbers[row], c.weeks[row]) << c.year << "-" << c.month << " " << row;
  }
}

TEST(CalendarSettings, DefaultsAndBadValues) {
  MemoryRegistry registry;
  auto root = registry.currentUser();
  CalendarSettings previous;
  previous.alpha = 77;
  const CalendarSettings absent = readCalendarSettings(*root, previous);
  EXPECT_EQ(absent.firstWeekday, 1);
  EXPECT_TRUE(absent.topmost);
  EXPECT_EQ(absent.alpha, 0);
  EXPECT_EQ(absent.todayAfterMs, -1);
  EXPECT_EQ(absent.weekdayNames[0], u"Su");
  EXPECT_EQ(absent.weekdayNames[6], u"Sa");
  EXPECT_EQ(absent.title, u"MMMM - yyyy");
  EXPECT_EQ(absent.font, u"");
  EXPECT_EQ(absent.weeks, 5u);

  writeNumber(*root, u"weekMo", 7);
  writeNumber(*root, u"transparentCalendar", 101);
  writeNumber(*root, u"TodayCalendar", 0xFFFFFFF0u);  // -16
  writeNumber(*root, u"CalendarWeeks", 0xFFFFFFFFu);
  writeText(*root, u"weekDaysCal", u"So;Ma;Di");
  writeText(*root, u"CalendarTitle", u"");
  const CalendarSettings bad = readCalendarSettings(*root, previous);
  EXPECT_EQ(bad.firstWeekday, 1);
  EXPECT_EQ(bad.alpha, 77);  // above 100 keeps what was there
  EXPECT_EQ(bad.todayAfterMs, -1);
  EXPECT_EQ(bad.weeks, 15u);
  EXPECT_EQ(bad.weekdayNames[2], u"Di");
  EXPECT_EQ(bad.weekdayNames[3], u"?");
  EXPECT_EQ(bad.title, u"");

  writeNumber(*root, u"weekMo", 0);
  writeNumber(*root, u"TodayCalendar", 0);
  writeNumber(*root, u"topCalendar", 0);
  const CalendarSettings good = readCalendarSettings(*root, previous);
  EXPECT_EQ(good.firstWeekday, 0);
  EXPECT_EQ(good.todayAfterMs, 0);
  EXPECT_FALSE(good.topmost);

  const struct {
    std::uint32_t percent;
    int alpha;
  } alphas[] = {{0, 0}, {50, 127}, {100, 255}, {101, -1}, {0xFFFFFFFF, -1}};
  for (const auto& a : alphas) EXPECT_EQ(calendarAlphaFor(a.percent), a.alpha) << a.percent;
}

TEST(CalendarCaption, TitleOfTheShownMonth) {
  NameTables names;
  EmptyZoneTable zones;
  FixedSystemTimeZone systemZone;
  FixedLockKeyStates lockKeys;
  const FormatEnvironment env{names, zones, systemZone, lockKeys};
  const struct {
    const char16_t* title;
    CalendarDate shown;
    const char16_t* caption;
  } cases[] = {
      {u"MMMM - yyyy", calendarDateOf(2024, 3, 9), u"March - 2024"},
      {u"MMMM - yyyy", movedBy(calendarDateOf(2024, 1, 31), 1, 0), u"February - 2024"},
      {u"dd.MM.yyyy", movedBy(calendarDateOf(2023, 1, 31), 1, 0), u"28.02.2023"},
      {u"", calendarDateOf(2024, 3, 9), u""},
  };
  for (const auto& c : cases) {
    CompiledFormat compiled;
    compileFormat(c.title, compiled, true, zones);
    EXPECT_EQ(calendarCaption(compiled, c.shown, env), c.caption);
  }
}

}  // namespace
}  // namespace zembrik
