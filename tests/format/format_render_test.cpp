// Rendering compiled formats: token texts, week numbers, the 12-hour clock, bias signs, zone
// names and their fallbacks, and the state a render call reads and writes.
#include <gtest/gtest.h>

#include "tests/format/format_fixture.h"

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
      SCOPED_TRACE(show(c.format));
      EXPECT_EQ(fx.render(c.format, cellMode), c.expected);
    }
  }

  // Renders one compiled segment with an explicit state, keeping the fixture's paint cache.
  std::u16string renderOne(std::u16string_view segment, SegmentState& state) {
    std::u16string out = u"stale";
    auto environment = fx.env();
    renderSegment(segment, fx.moment, fx.cache, state, environment, out);
    return out;
  }
};

// Sunday 1 March 2026, 14:05:09 local, 13:05:09 UTC; system zone one hour east of UTC.
TEST_F(RenderTest, EveryTokenHasItsText) {
  fx.names.setEntry(NameList::LocaleDaysAbbr, 0, u"So");
  fx.names.setEntry(NameList::LocaleDays, 0, u"Sonntag");
  fx.names.setEntry(NameList::LocaleMonthsAbbr, 2, u"Mrz");
  fx.names.setEntry(NameList::LocaleMonths, 2, u"Maerz");
  fx.names.setEntry(NameList::WeekDaysAbbr, 0, u"Su");
  fx.names.setEntry(NameList::WeekDays, 0, u"Sun-day");
  fx.names.setEntry(NameList::MonthNamesAbbr, 2, u"Mr");
  fx.names.setEntry(NameList::MonthNames, 2, u"Mar-ch");
  expectAll({
      {u"d dd ddd dddd", u"1 01 So Sonntag"},
      {u"dde ddde ddx dddx dn", u"Sun Sunday Su Sun-day 7"},
      {u"M MM MMM MMMM", u"3 03 Mrz Maerz"},
      {u"MME MMME MMX MMMX", u"Mar March Mr Mar-ch"},
      {u"y yy yyy yyyy yyyyy", u"y 26 26y 2026 2026y"},
      {u"w ww www", u"9 09 099"},
      {u"h hh H HH HHH", u"2 02 14 14 1414"},
      {u"m mm s ss sss", u"5 05 9 09 099"},
      {u"P p A N S", u"PM P A    "},
      {u"Z ZZ Zm ZZm ZZZ Zx", u"+1 +01 +1 +01 +01+1 +1x"},
      {u"z zz zzz zzm zzzz zm", u"0 00 +60 +60 +600 05"},
      {u"ZA|Zn|ZN|Za",
       u"W. Europe Standard Time|W. Europe Standard Time|"
       u"W. Europe Standard Time|W. Europe Standard Time"},
      // The lookahead takes only the listed suffixes.
      {u"ddn ddddd ddE de MMMMM MMe Mn", u"01n Sonntag1 01E 1e Maerz3 03e 3n"},
      {u"Uhr", u"U2r"},
      {u"dd.MM.yyyy HH:mm:ss", u"01.03.2026 14:05:09"},
  });
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
  renderFormat(compiled, fx.moment, fx.cache, environment, VariantRequest::None, rendered);
  renderFormat(fx.compile(u"H", true), fx.moment, fx.cache, environment, VariantRequest::None,
               rendered);
  EXPECT_EQ(rendered.segments[0], u"14");
  renderFormat(compiled, fx.moment, fx.cache, environment, VariantRequest::None, rendered);
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

// What a render call reports back: the seconds flag, the lock-key mark and the answered variant.
TEST_F(RenderTest, SecondsFlagLockKeyMarkAndVariantPass) {
  struct Case {
    std::u16string_view format;
    int request;  // a VariantRequest value; 7 is none of the named ones
    std::u16string_view shown;
    bool seconds;
    bool lockKeys;
    int answered;
  };
  // 14:05:09 is PM; Caps on, Num and Scroll off.
  const Case cases[] = {
      {u"HH:mm", 0, u"14:05", false, false, 0},     {u"HH:mm:ss", 0, u"14:05:09", true, false, 0},
      {u"'ss' \\A", 0, u"ss A", false, false, 0},   {u"HH<s", 0, u"14|9", true, false, 0},
      {u"x<N", 0, u"x| ", false, true, 0},          {u"P A N S", 1, u"AM A N S", false, true, 1},
      {u"P A N S", 2, u"PM      ", false, true, 2}, {u"HH p", 1, u"14 P", false, false, 0},
      {u"P<ss", 7, u"PM|09", true, false, 0},
  };
  auto environment = fx.env();
  for (const auto& c : cases) {
    SCOPED_TRACE(show(c.format) + " request " + std::to_string(c.request));
    RenderedFormat rendered;
    renderFormat(fx.compile(c.format, true), fx.moment, fx.cache, environment,
                 static_cast<VariantRequest>(c.request), rendered);
    std::u16string joined;
    for (const auto& segment : rendered.segments) joined += (joined.empty() ? u"" : u"|") + segment;
    EXPECT_EQ(joined, c.shown);
    EXPECT_EQ(rendered.secondsShown, c.seconds);
    EXPECT_EQ(rendered.lockKeysShown, c.lockKeys);
    EXPECT_EQ(static_cast<int>(rendered.variantAnswered), c.answered);
  }
}

TEST_F(RenderTest, MalformedSegmentsAndOddTextsRenderSafely) {
  SegmentState state;
  const std::pair<std::u16string_view, std::u16string_view> segments[] = {
      {u"ab\x01", u"ab"},  // mark without code
      {u"a\x01\x7F"
       u"b\x01\x2F",
       u"ab"},                                      // codes outside 1-46
      {u"a\x01\x20", u"a"},                         // zone switch without its zone
      {u"\x01\x20\x05\x01\x17\x01\x2C", u"14?a?"},  // unknown zone: local time, "?a?"
  };
  for (const auto& [segment, expected] : segments) {
    state.zoneSelector = kZoneLocal;
    EXPECT_EQ(renderOne(segment, state), expected);
  }

  // A text holding a token mark is inserted as it is, never expanded again (it would not end);
  // texts are cut to 1023 characters.
  fx.names.setText(NameText::PM, u"\x01\x1D");
  fx.names.setText(NameText::CapsOn, std::u16string(3000, u'x'));
  EXPECT_EQ(fx.render(u"P"), u"\x01\x1D");
  EXPECT_EQ(fx.render(u"A").size(), 1023u);

  // Field values no real moment has.
  fx.moment.local = CalendarTime{65535, 0, 9, 0, 99, 99, 99, 0};
  EXPECT_EQ(fx.render(u"ddd|dddd|ddde|dddx|MMM|MMMM|MMME|MMMX"), u"|||||||");
  EXPECT_EQ(fx.render(u"dn yyyy h"), u"9 5535 3");
  fx.moment.local.year = 100;
  fx.moment.local.day = 123;  // from 100 up the last two digits
  EXPECT_EQ(fx.render(u"yyyy yy d dd"), u"0100 00 23 23");
  fx.moment.local.month = 200;
  EXPECT_FALSE(fx.render(u"ww").empty());

  // The output buffer is replaced, and its capacity reused.
  std::u16string out(200, u'#');
  auto capacity = out.capacity();
  auto environment = fx.env();
  fx.moment.local = at(2026, 3, 1, 14, 5, 9);
  EXPECT_TRUE(
      renderSegment(fx.compile(u"HH:mm:ss")[0], fx.moment, fx.cache, state, environment, out));
  EXPECT_EQ(out, u"14:05:09");
  EXPECT_EQ(out.capacity(), capacity);
}

}  // namespace
}  // namespace zembrik::testing
