// Compiling format texts: quoting and escapes, zone switches, and how `<` and `>` split a cell's
// text into segments. Checked through rendering (segments joined by '|').
#include <gtest/gtest.h>

#include "tests/format/format_fixture.h"

namespace zembrik::testing {
namespace {

struct Case {
  std::u16string_view text;
  bool cellMode;
  std::u16string_view shown;
};

class CompileTest : public ::testing::Test {
 protected:
  FormatFixture fx;
  void expectAll(std::initializer_list<Case> cases) {
    for (const auto& c : cases) {
      SCOPED_TRACE(show(c.text));
      EXPECT_EQ(fx.render(c.text, c.cellMode), c.shown);
    }
  }
};

// Local time 14:05:09 on Sunday 1 March 2026.
TEST_F(CompileTest, QuotesAndBackslashesMakeLiterals) {
  expectAll({
      {u"'Uhr' HH", false, u"Uhr 14"},
      {u"\"dd\"dd", false, u"dd01"},
      {u"'say \"x\"' \"it's\"", false, u"say \"x\" it's"},
      {u"'it\\'s'", false, u"it's"},
      {u"'a\\tb' a\\tb", false, u"a\tb a\tb"},
      {u"'a\\nb' a\\nb", false, u"a\nb a\nb"},
      {u"'a\\nb' a\\nb", true, u"ab ab"},
      {u"\\d\\M\\ H", false, u"dM 14"},
      {u"'unclosed H", false, u"unclosed H"},
      {u"x\\", false, u"x"},
      {u"'x\\", false, u"x"},
      {u"''H", false, u"14"},
      {u"'<'x'>'", true, u"<x>"},
      {u"\\<x\\>", true, u"<x>"},
      {u"  HH  mm  ", false, u"  14  05  "},
      {u"HH <mm", true, u"14 |05"},
      // A U+0001 typed into a format must not reach the renderer as a token mark.
      {u"a\x01\x06"
       u"b '\x01\x06'",
       false,
       u"a\x06"
       u"b \x06"},
  });
}

TEST_F(CompileTest, ZoneSwitchesResolveNamesAtCompileTime) {
  fx.zones.zones.push_back(FakeZone{u"NYC", u"EST", {}, {}, {}, at(2026, 3, 1, 8, 5), 300});
  expectAll({
      {u"@{}H", false, u"13"},
      {u"@{   }H", false, u"13"},
      {u"@{}H @{.}H", false, u"13 14"},
      {u"@{}H @{ . }H", false, u"13 14"},
      {u"@{NYC}H @{ NYC }H", false, u"8 8"},
      {u"@{nyc}H", false, u"@14"},  // keys are case-sensitive
      {u"@{XYZ}HH", false, u"@14"},
      {u"@H @ {}H @{H", false, u"@14 @ {}14 @{14"},
      {u"@@{}H", false, u"@13"},
      {u"@{}x}H", false, u"x}13"},  // the name ends at the first closing brace
  });
}

TEST_F(CompileTest, AngleBracketsSplitCellsIntoSegments) {
  struct SplitCase {
    std::u16string_view text;
    bool cellMode;
    std::u16string_view shown;
    bool actedOn;
  };
  const SplitCase cases[] = {
      {u"A<>N", true, u"A|| ", true},  {u"<HH:mm>", true, u"|14:05|", true},
      {u"a<b", true, u"a|b", true},    {u"a>b", true, u"a||b", true},
      {u"a<b<c", true, u"a|bc", true}, {u"a>b<c>x", true, u"a||bcx", true},
      {u"<", true, u"|", true},        {u">", true, u"||", true},
      {u"<x>", false, u"<x>", false},  {u"HH:mm", true, u"14:05", false},
      {u"", true, u"", false},         {u"'<'", true, u"<", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(show(c.text));
    CompiledFormat compiled{u"stale", u"stale"};
    EXPECT_EQ(compileFormat(c.text, compiled, c.cellMode, fx.zones), c.actedOn);
    EXPECT_EQ(fx.render(c.text, c.cellMode), c.shown);
  }
}

TEST_F(CompileTest, CellAlignmentWrapsTextsThatDoNotPlaceThemselves) {
  struct AlignCase {
    std::u16string_view text;
    char16_t alignment;
    std::u16string_view stored;
    std::u16string_view shown;
  };
  const AlignCase cases[] = {
      {u"HH:mm", u'>', u">HH:mm", u"||14:05"},   {u"HH:mm", u'<', u"HH:mm<", u"14:05|"},
      {u"HH:mm", u'=', u"<HH:mm>", u"|14:05|"},  {u"HH:mm", u'\0', u"<HH:mm>", u"|14:05|"},
      {u"<dddd>", u'<', u"<dddd>", u"|Sunday|"}, {u"'<'x", u'>', u">'<'x", u"||<x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(show(c.text));
    auto cell = compileCellFormat(c.text, c.alignment, fx.zones);
    EXPECT_EQ(cell.format, c.stored);
    EXPECT_EQ(cell.compiled, fx.compile(c.stored, true));
    EXPECT_EQ(fx.render(c.stored, true), c.shown);
  }
}

}  // namespace
}  // namespace zembrik::testing
