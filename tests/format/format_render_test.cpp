// Rendering compiled formats: token texts, week numbers, the 12-hour clock, bias signs, zone
// names and their fallbacks, and the state a render call reads and writes.
#include <gtest/gtest.h>

#include "format_fixture.h"

namespace zembrik::testing {
namespace {

struct RenderCase {
  std::u16string_view format;
  std::u16string_view expected;
};

class RenderTest : public ::testing::Test {
 protected:
  FormatFixture fx;

  void expectAll(std::initializer_list<RenderCase> cases, bool cellMode = false) {
    for (const auto& c : cases) {
      SCOPED_TRACE(narrow(c.format));
      EXPECT_EQ(fx.render(c.format, cellMode), c.expected);
    }
  }

  // Renders one compiled segment with an explicit state, keeping the fixture's paint cache.
  std::u16string renderOne(std::u16string_view segment, SegmentState& state,
                           bool* seconds = nullptr) {
    std::u16string out = u"stale";
    auto environment = fx.env();
    bool shown = renderSegment(segment, fx.moment, fx.cache, state, environment, out);
    if (seconds)
      *seconds = shown;
    return out;
  }
};

// Sunday 1 March 2026, 14:05:09 local, 13:05:09 UTC; system zone one hour east of UTC.
TEST_F(RenderTest, EveryTokenHasItsText) {
  fx.names.setEntry(NameList::LocaleDaysAbbr, 0, u"So");
  fx.names.setEntry(NameList::LocaleDays, 0, u"Sonntag");
  fx.names.setEntry(NameList::LocaleMonthsAbbr, 2, u"Mrz");
  fx.names.setEntry(NameList::LocaleMonths, 2, u"M\u00e4rz");
  fx.names.setEntry(NameList::WeekDaysAbbr, 0, u"Su");
  fx.names.setEntry(NameList::WeekDays, 0, u"Sun-day");
  fx.names.setEntry(NameList::MonthNamesAbbr, 2, u"Mr");
  fx.names.setEntry(NameList::MonthNames, 2, u"Mar-ch");
  expectAll({
      {u"d", u"1"},
      {u"dd", u"01"},
      {u"ddd", u"So"},
      {u"dddd", u"Sonntag"},
      {u"dde", u"Sun"},
      {u"ddde", u"Sunday"},
      {u"ddx", u"Su"},
      {u"dddx", u"Sun-day"},
      {u"dn", u"7"},
      {u"M", u"3"},
      {u"MM", u"03"},
      {u"MMM", u"Mrz"},
      {u"MMMM", u"M\u00e4rz"},
      {u"MME", u"Mar"},
      {u"MMME", u"March"},
      {u"MMX", u"Mr"},
      {u"MMMX", u"Mar-ch"},
      {u"yy", u"26"},
      {u"yyyy", u"2026"},
      {u"y", u"y"},
      {u"w", u"9"},
      {u"ww", u"09"},
      {u"h", u"2"},
      {u"hh", u"02"},
      {u"H", u"14"},
      {u"HH", u"14"},
      {u"m", u"5"},
      {u"mm", u"05"},
      {u"s", u"9"},
      {u"ss", u"09"},
      {u"P", u"PM"},
      {u"p", u"P"},
      {u"A", u"A"},
      {u"N", u" "},
      {u"S", u" "},
      {u"Z", u"+1"},
      {u"ZZ", u"+01"},
      {u"Zm", u"+1"},
      {u"ZZm", u"+01"},
      {u"z", u"0"},
      {u"zz", u"00"},
      {u"zzz", u"+60"},
      {u"zzm", u"+60"},
      {u"ZA", u"W. Europe Standard Time"},
      {u"Zn", u"W. Europe Standard Time"},
      {u"ZN", u"W. Europe Standard Time"},
      {u"'Uhr' HH", u"Uhr 14"},
      {u"Uhr HH", u"U2r 14"},
      {u"dd.MM.yyyy HH:mm:ss", u"01.03.2026 14:05:09"},
  });
}

TEST_F(RenderTest, NumbersFollowTheTwoDigitRule) {
  struct Case {
    int year, hour, minute;
    std::u16string_view expected;  // "H:m HH:mm yy yyyy"
  };
  const Case cases[] = {
      {2026, 9, 5, u"9:5 09:05 26 2026"},
      {2005, 0, 0, u"0:0 00:00 05 2005"},
      {1999, 10, 59, u"10:59 10:59 99 1999"},
      {100, 23, 10, u"23:10 23:10 00 0100"},
  };
  for (const auto& c : cases) {
    fx.moment.local = at(c.year, 6, 15, c.hour, c.minute);
    EXPECT_EQ(fx.render(u"H:m HH:mm yy yyyy"), c.expected);
  }
  // Values from 100 up keep their last two digits.
  fx.moment.local.day = 123;
  EXPECT_EQ(fx.render(u"d dd"), u"23 23");
}

TEST_F(RenderTest, IsoWeekNumbersAcrossYearEnds) {
  struct Case {
    CalendarTime date;
    std::u16string_view week;
  };
  const Case cases[] = {
      {at(2021, 1, 1), u"53"},   {at(2021, 1, 3), u"53"},   {at(2021, 1, 4), u"01"},
      {at(2020, 12, 31), u"53"}, {at(2024, 12, 31), u"01"}, {at(2025, 12, 29), u"01"},
      {at(2026, 1, 1), u"01"},   {at(2027, 1, 1), u"53"},   {at(2022, 1, 1), u"52"},
      {at(2023, 1, 1), u"52"},   {at(2016, 1, 3), u"53"},   {at(2008, 12, 29), u"01"},
      {at(2010, 1, 3), u"53"},   {at(2000, 2, 29), u"09"},  {at(2019, 12, 30), u"01"},
      {at(2032, 12, 31), u"53"}, {at(1900, 1, 1), u"01"},   {at(2100, 12, 31), u"52"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.date.year) + "-" + std::to_string(c.date.month) + "-" +
                 std::to_string(c.date.day));
    fx.moment.local = c.date;
    EXPECT_EQ(fx.render(u"ww"), c.week);
  }
}

TEST_F(RenderTest, TwelveHourClock) {
  const std::pair<int, std::u16string_view> cases[] = {
      {0, u"12 12 AM A"},  {1, u"1 01 AM A"},  {11, u"11 11 AM A"},
      {12, u"12 12 PM P"}, {13, u"1 01 PM P"}, {23, u"11 11 PM P"},
  };
  for (const auto& [hour, expected] : cases) {
    SCOPED_TRACE(hour);
    fx.moment.local = at(2026, 3, 1, hour, 30);
    EXPECT_EQ(fx.render(u"h hh P p"), expected);
  }
  fx.moment.local = at(2026, 3, 1, 0, 30);
  EXPECT_EQ(fx.render(u"h:mm P"), u"12:30 AM");
  fx.moment.local = at(2026, 3, 1, 13, 0);
  EXPECT_EQ(fx.render(u"h:mm P"), u"1:00 PM");
  fx.names.setText(NameText::PM, u"nachm.");
  EXPECT_EQ(fx.render(u"P"), u"nachm.");
}

TEST_F(RenderTest, BiasSignsAndDigits) {
  struct Case {
    std::int32_t bias;
    std::u16string_view expected;  // "Z ZZ Zm ZZm z zz zzz zzm"
  };
  const Case cases[] = {
      {-120, u"+2 +02 +2 +02 0 00 +120 +120"},
      {0, u"+0 +00 +0 +00 0 00 +0 +0"},
      {60, u"-1 -01 \u22121 \u221201 0 00 -60 \u221260"},
      {-330, u"+5 +05 +5 +05 30 30 +330 +330"},
      {570, u"-9 -09 \u22129 \u221209 30 30 -570 \u2212570"},
      {-45, u"+0 +00 +0 +00 45 45 +45 +45"},
      {-765, u"+12 +12 +12 +12 45 45 +765 +765"},
      {-1500, u"+25 +25 +25 +25 0 00 +1500 +1500"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bias);
    SystemZoneInfo info;
    info.bias = c.bias;
    fx.setSystemZone(info);
    EXPECT_EQ(fx.render(u"Z ZZ Zm ZZm z zz zzz zzm"), c.expected);
  }
  // UTC has bias 0 whatever the local zone.
  EXPECT_EQ(fx.render(u"@{}zzz Z:zz"), u"+0 +0:00");
  // A configured zone two hours east of UTC.
  fx.zones.zones.push_back(FakeZone{u"EET", u"EET", {}, {}, {}, at(2026, 3, 1, 15, 5), -120});
  EXPECT_EQ(fx.render(u"@{EET}Z:zz zzz"), u"+2:00 +120");
}

TEST_F(RenderTest, LocalBiasComesFromTheSystemOncePerPaint) {
  SystemZoneInfo info;
  info.bias = -60;
  info.standardBias = 0;
  info.daylightBias = -60;
  info.daylightInForce = true;
  fx.setSystemZone(info);
  EXPECT_EQ(fx.render(u"zzz Z"), u"+120 +2");

  // Several tokens and segments in one paint read the system once.
  fx.cache.reset();
  fx.setSystemZone(info);
  SegmentState state;
  renderOne(u"\x01\x2A\x01\x26", state);
  renderOne(u"\x01\x2A", state);
  EXPECT_EQ(fx.systemZone.reads(), 1);
  EXPECT_EQ(fx.cache.localBias, -120);

  // A known bias is used as it is; the marker value asks again.
  fx.cache.reset();
  fx.setSystemZone(info);
  fx.cache.localBias = 300;
  EXPECT_EQ(renderOne(u"\x01\x2A", state), u"-300");
  EXPECT_EQ(fx.systemZone.reads(), 0);
  fx.cache.localBias = kLocalBiasUnknown;
  EXPECT_EQ(renderOne(u"\x01\x2A", state), u"+120");
}

TEST_F(RenderTest, ZoneSwitchesLastForTheCellsLaterSegments) {
  fx.zones.zones.push_back(FakeZone{u"NYC", u"EST", {}, {}, {}, at(2026, 3, 1, 8, 5), 300});
  expectAll(
      {
          {u"@{.}HH @{}HH", u"14 13"},
          {u"@{}HH<HH>HH", u"13|13|13"},
          {u"HH<@{NYC}HH>HH @{.}HH", u"14|08|08 14"},
          {u"@{NYC}ZA zzz<@{}ZA", u"EST -300|UTC"},
          {u"@{XYZ}", u"@"},
      },
      true);

  // Every cell starts at local time, and a zone's time is computed once per paint.
  auto compiled = fx.compile(u"@{NYC}H@{.}H@{NYC}H<H", true);
  fx.zones.zoneTimeCalls = 0;
  fx.cache.reset();
  RenderedFormat rendered;
  auto environment = fx.env();
  renderFormat(compiled, fx.moment, fx.cache, environment, 0, rendered);
  renderFormat(fx.compile(u"H", true), fx.moment, fx.cache, environment, 0, rendered);
  EXPECT_EQ(rendered.segments[0], u"14");
  renderFormat(compiled, fx.moment, fx.cache, environment, 0, rendered);
  EXPECT_EQ(rendered.segments, (std::vector<std::u16string>{u"8148", u"8"}));
  EXPECT_EQ(fx.zones.zoneTimeCalls, 1);
}

TEST_F(RenderTest, ZoneNamesAndTheirFallbacks) {
  // Configured zones: their own texts, trimmed; "?a?" and "?n?" when they have none.
  fx.zones.zones = {
      FakeZone{u"CET", u"CET", u"Central Europe", u"Mitteleuropa", u"W. Europe Standard Time"},
      FakeZone{u"BLANK", u"", u"  ", u""},
      FakeZone{u"PAD", u"\t PST  ", u" Pacific ", u"Pazifik "},
  };
  expectAll({
      {u"@{CET}ZA|Zn|ZN", u"CET|Central Europe|Mitteleuropa"},
      {u"@{BLANK}ZA|Zn|ZN", u"?a?|?n?|?n?"},
      {u"@{PAD}ZA|Zn|ZN", u"PST|Pacific|Pazifik"},
  });

  // UTC: built-in texts until a configured UTC zone has usable ones.
  EXPECT_EQ(fx.render(u"@{}ZA|Zn|ZN"),
            u"UTC|Coordinated Universal Time|Coordinated Universal Time");
  fx.zones.zones.push_back(FakeZone{u" utc ", u"", u"Coordinated Universal Time (db)", u""});
  fx.zones.utc = 3;
  EXPECT_EQ(fx.render(u"@{}ZA|Zn|ZN"),
            u"UTC|Coordinated Universal Time (db)|Coordinated Universal Time");
  fx.zones.zones[3].abbreviation = u" Z";
  EXPECT_EQ(fx.render(u"@{}ZA"), u"UTC");
  fx.zones.zones[3].abbreviation = u"GMT";
  EXPECT_EQ(fx.render(u"@{}ZA"), u"GMT");

  // Local time: the configured zone with the system's standard name, remembered once found.
  EXPECT_EQ(fx.render(u"ZA|Zn"), u"CET|Central Europe");
  EXPECT_EQ(fx.zones.local, 0);
  fx.zones.zones[0].standardName = u"renamed";
  EXPECT_EQ(fx.render(u"ZA"), u"CET");

  // Without such a zone, or when its text is empty: the system's name for the season.
  fx.zones.local = -1;
  fx.zones.zones.clear();
  fx.zones.utc = -1;
  EXPECT_EQ(fx.render(u"ZA"), u"W. Europe Standard Time");
  SystemZoneInfo info = fx.systemInfo;
  info.daylightInForce = true;
  fx.setSystemZone(info);
  EXPECT_EQ(fx.render(u"Zn"), u"W. Europe Daylight Time");
  fx.zones.zones.push_back(FakeZone{u"", u"", u"", u"", u"W. Europe Standard Time"});
  EXPECT_EQ(fx.render(u"ZA|ZN"), u"W. Europe Daylight Time|W. Europe Daylight Time");
}

TEST_F(RenderTest, SecondsFlagAndLockKeyMark) {
  struct Case {
    std::u16string_view format;
    bool seconds;
    bool lockKeys;
  };
  const Case cases[] = {
      {u"HH:mm", false, false}, {u"HH:mm:ss", true, false}, {u"s", true, false},
      {u"'ss'", false, false},  {u"HH<ss", true, false},    {u"A", false, true},
      {u"x<N", false, true},    {u"S ss", true, true},      {u"\\A\\N\\S", false, false},
  };
  auto environment = fx.env();
  for (const auto& c : cases) {
    SCOPED_TRACE(narrow(c.format));
    RenderedFormat rendered;
    renderFormat(fx.compile(c.format, true), fx.moment, fx.cache, environment, 0, rendered);
    EXPECT_EQ(rendered.secondsShown, c.seconds);
    EXPECT_EQ(rendered.lockKeysShown, c.lockKeys);
  }
}

TEST_F(RenderTest, VariantPassPicksTheFirstOrSecondText) {
  struct Case {
    std::u16string_view format;
    int request;
    std::u16string_view expected;
    int writtenBack;
  };
  // Local time 14:05 (PM); Caps on, Num and Scroll off.
  const Case cases[] = {
      {u"P A N S", 0, u"PM A    ", 0},
      {u"P A N S", 1, u"AM A N S", 1},
      {u"P A N S", 2, u"PM      ", 2},
      {u"HH p", 1, u"14 P", 0},
      {u"N", 2, u" ", 2},
      {u"P", 7, u"PM", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(narrow(c.format) + " request " + std::to_string(c.request));
    SegmentState state;
    state.variantRequest = c.request;
    EXPECT_EQ(renderOne(fx.compile(c.format)[0], state), c.expected);
    EXPECT_EQ(state.variantRequest, c.writtenBack);
  }
}

TEST_F(RenderTest, MalformedSegmentsRenderSafely) {
  SegmentState state;
  EXPECT_EQ(renderOne(u"ab\x01", state), u"ab");  // mark without code
  EXPECT_EQ(renderOne(u"a\x01\x7F"
                      u"b\x01",
                      state),
            u"ab");                                 // unknown code
  EXPECT_EQ(renderOne(u"a\x01\x20", state), u"a");  // zone switch without its zone
  EXPECT_EQ(state.zoneSelector, kZoneLocal);
  EXPECT_EQ(renderOne(u"\x01\x20\x05\x01\x17", state), u"14");  // unknown zone: local time
  EXPECT_EQ(renderOne(u"\x01\x2C", state), u"?a?");
  state.zoneSelector = kZoneLocal;

  // Field values no real moment has.
  fx.moment.local = CalendarTime{65535, 0, 9, 0, 99, 99, 99, 0};
  EXPECT_EQ(fx.render(u"ddd|dddd|ddde|dddx|MMM|MMMM|MMME|MMMX"), u"|||||||");
  EXPECT_EQ(fx.render(u"dn yyyy h"), u"9 5535 3");
  fx.moment.local.month = 200;
  EXPECT_FALSE(fx.render(u"ww").empty());
}

TEST_F(RenderTest, NameTextsAreInsertedNotExpandedAgain) {
  // A text holding a token mark must not expand itself (it would never end).
  fx.names.setText(NameText::AM, u"\x01\x1D");
  fx.moment.local = at(2026, 3, 1, 9, 0);
  EXPECT_EQ(fx.render(u"P"), u"\x01\x1D");

  // Name texts are cut to 1023 characters.
  fx.names.setText(NameText::CapsOn, std::u16string(3000, u'x'));
  EXPECT_EQ(fx.render(u"A").size(), 1023u);
}

TEST_F(RenderTest, OutputBufferIsReplacedAndReused) {
  SegmentState state;
  std::u16string out(200, u'#');
  auto capacity = out.capacity();
  auto environment = fx.env();
  auto compiled = fx.compile(u"HH:mm:ss");
  EXPECT_TRUE(renderSegment(compiled[0], fx.moment, fx.cache, state, environment, out));
  EXPECT_EQ(out, u"14:05:09");
  EXPECT_EQ(out.capacity(), capacity);
}

}  // namespace
}  // namespace zembrik::testing
