// Compiling format texts: which token each letter run becomes, quoting and escapes, and how `<`
// and `>` split a cell's text into segments.
#include <gtest/gtest.h>

#include <cstdio>

#include "format/token_codes.h"
#include "format_fixture.h"

namespace zembrik::testing {
namespace {

// Segments joined by '|'; a token shows as {code}, a zone switch as {32:selector in hex}.
std::string notation(const CompiledFormat& compiled) {
  std::string out;
  for (std::size_t s = 0; s < compiled.size(); ++s) {
    if (s > 0)
      out += '|';
    const auto& segment = compiled[s];
    for (std::size_t i = 0; i < segment.size(); ++i) {
      if (segment[i] == kTokenMark && i + 1 < segment.size()) {
        unsigned code = segment[++i];
        char buffer[16];
        if (code == 32 && i + 1 < segment.size()) {
          std::snprintf(buffer, sizeof buffer, "{32:%04X}", static_cast<unsigned>(segment[++i]));
        } else {
          std::snprintf(buffer, sizeof buffer, "{%u}", code);
        }
        out += buffer;
      } else {
        out += narrow(std::u16string_view(&segment[i], 1));
      }
    }
  }
  return out;
}

struct CompileCase {
  std::u16string_view text;
  const char* expected;
};

class CompileTest : public ::testing::Test {
 protected:
  FormatFixture fx;
  void SetUp() override {
    fx.zones.zones.push_back(FakeZone{u"NYC"});
    fx.zones.zones.push_back(FakeZone{u"CET"});
  }
  void check(const CompileCase& c, bool cellMode) {
    SCOPED_TRACE(narrow(c.text));
    EXPECT_EQ(notation(fx.compile(c.text, cellMode)), c.expected);
  }
};

TEST_F(CompileTest, TokensTakeTheLongestFormTheLookaheadAllows) {
  const CompileCase cases[] = {
      {u"d", "{1}"},         {u"dd", "{2}"},          {u"ddd", "{3}"},
      {u"dde", "{4}"},       {u"ddx", "{5}"},         {u"dddd", "{6}"},
      {u"ddde", "{7}"},      {u"dddx", "{8}"},        {u"dn", "{31}"},
      {u"ddn", "{2}n"},      {u"ddddd", "{6}{1}"},    {u"ddE", "{2}E"},
      {u"de", "{1}e"},       {u"M", "{9}"},           {u"MM", "{10}"},
      {u"MMM", "{11}"},      {u"MME", "{12}"},        {u"MMX", "{13}"},
      {u"MMMM", "{14}"},     {u"MMME", "{15}"},       {u"MMMX", "{16}"},
      {u"MMMMM", "{14}{9}"}, {u"MMe", "{10}e"},       {u"Mn", "{9}n"},
      {u"y", "y"},           {u"yy", "{17}"},         {u"yyy", "{17}y"},
      {u"yyyy", "{18}"},     {u"yyyyy", "{18}y"},     {u"w", "{19}"},
      {u"ww", "{20}"},       {u"www", "{20}{19}"},    {u"h", "{21}"},
      {u"hh", "{22}"},       {u"H", "{23}"},          {u"HH", "{24}"},
      {u"HHH", "{24}{23}"},  {u"m", "{25}"},          {u"mm", "{26}"},
      {u"s", "{27}"},        {u"ss", "{28}"},         {u"P", "{29}"},
      {u"p", "{30}"},        {u"A", "{33}"},          {u"N", "{34}"},
      {u"S", "{35}"},        {u"Zm", "{36}"},         {u"ZZm", "{37}"},
      {u"Z", "{38}"},        {u"ZZ", "{39}"},         {u"ZZZ", "{39}{38}"},
      {u"Zx", "{38}x"},      {u"z", "{40}"},          {u"zz", "{41}"},
      {u"zzz", "{42}"},      {u"zzm", "{43}"},        {u"zzzz", "{42}{40}"},
      {u"zm", "{40}{25}"},   {u"ZA", "{44}"},         {u"Za", "{44}"},
      {u"Zn", "{45}"},       {u"ZN", "{46}"},         {u"Uhr", "U{21}r"},
      {u"a-b:c", "a-b:c"},   {u"HH:mm", "{24}:{26}"},
  };
  for (const auto& c : cases) check(c, false);
}

TEST_F(CompileTest, ZoneSwitchesResolveNamesAtCompileTime) {
  const CompileCase cases[] = {
      {u"@{}H", "{32:FFFE}{23}"},
      {u"@{   }", "{32:FFFE}"},
      {u"@{.}", "{32:FFFF}"},
      {u"@{ . }", "{32:FFFF}"},
      {u"@{CET}", "{32:0001}"},
      {u"@{ NYC }x", "{32:0000}x"},
      {u"@{cet}x", "@x"},  // keys are case-sensitive
      {u"@{XYZ}HH", "@{24}"},
      {u"@x", "@x"},
      {u"@ {}", "@ {}"},
      {u"@{abc", "@{abc"},
      {u"@", "@"},
      {u"@@{}", "@{32:FFFE}"},
      {u"@{a}b}", "@b}"},  // the name ends at the first closing brace
  };
  for (const auto& c : cases) check(c, true);
}

TEST_F(CompileTest, QuotesAndBackslashesMakeLiterals) {
  struct Case {
    std::u16string_view text;
    bool cellMode;
    const char* expected;
  };
  const Case cases[] = {
      {u"'Uhr' HH", false, "Uhr {24}"},
      {u"\"dd\"dd", false, "dd{2}"},
      {u"'say \"x\"'", false, "say \"x\""},
      {u"'it\\'s'", false, "it's"},
      {u"'a\\tb'", false, "a\\u0009b"},
      {u"'a\\nb'", false, "a\\u000Ab"},
      {u"'a\\nb'", true, "ab"},
      {u"a\\nb", false, "a\\u000Ab"},
      {u"a\\nb", true, "ab"},
      {u"\\tH", false, "\\u0009{23}"},
      {u"\\d\\M", false, "dM"},
      {u"\\ H", false, " {23}"},
      {u"'unclosed H", false, "unclosed H"},
      {u"x\\", false, "x"},
      {u"'x\\", false, "x"},
      {u"''H", false, "{23}"},
      {u"'<'x'>'", true, "<x>"},
      {u"\\<x\\>", true, "<x>"},
      {u"  HH  mm  ", false, "  {24}  {26}  "},
      {u"HH <mm", true, "{24} |{26}"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(narrow(c.text));
    EXPECT_EQ(notation(fx.compile(c.text, c.cellMode)), c.expected);
  }
}

TEST_F(CompileTest, LiteralTokenMarkInTheTextIsDropped) {
  // A U+0001 typed into a format must not reach the renderer as a token mark.
  EXPECT_EQ(fx.compile(u"a\x01\x06"
                       u"b"),
            CompiledFormat{u"a\x06"
                           u"b"});
  EXPECT_EQ(fx.compile(u"'\x01 '"), CompiledFormat{u" "});
  EXPECT_EQ(fx.compile(u"\\\x01"), CompiledFormat{u""});
}

TEST_F(CompileTest, AngleBracketsSplitCellsIntoSegments) {
  struct Case {
    std::u16string_view text;
    bool cellMode;
    const char* expected;
    bool actedOn;
  };
  const Case cases[] = {
      {u"A<>N", true, "{33}||{34}", true},
      {u"<HH:mm>", true, "|{24}:{26}|", true},
      {u"a<b", true, "a|b", true},
      {u"a>b", true, "a||b", true},
      {u"a<b<c", true, "a|bc", true},
      {u"a>b<c>x", true, "a||bcx", true},
      {u"<", true, "|", true},
      {u">", true, "||", true},
      {u"<x>", false, "<x>", false},
      {u"HH:mm", true, "{24}:{26}", false},
      {u"", true, "", false},
      {u"'<'", true, "<", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(narrow(c.text));
    CompiledFormat compiled{u"stale", u"stale"};
    EXPECT_EQ(compileFormat(c.text, compiled, c.cellMode, fx.zones), c.actedOn);
    EXPECT_EQ(notation(compiled), c.expected);
  }
}

TEST_F(CompileTest, CellAlignmentWrapsTextsThatDoNotPlaceThemselves) {
  struct Case {
    std::u16string_view text;
    char16_t alignment;
    std::u16string_view stored;
    const char* expected;
  };
  const Case cases[] = {
      {u"HH:mm", u'>', u">HH:mm", "||{24}:{26}"},
      {u"HH:mm", u'<', u"HH:mm<", "{24}:{26}|"},
      {u"HH:mm", u'=', u"<HH:mm>", "|{24}:{26}|"},
      {u"HH:mm", u'\0', u"<HH:mm>", "|{24}:{26}|"},
      {u"<dddd>", u'<', u"<dddd>", "|{6}|"},
      {u"'<'x", u'>', u">'<'x", "||<x"},
      {u"", u'<', u"<", "|"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(narrow(c.text));
    auto cell = compileCellFormat(c.text, c.alignment, fx.zones);
    EXPECT_EQ(cell.format, c.stored);
    EXPECT_EQ(notation(cell.compiled), c.expected);
  }
}

}  // namespace
}  // namespace zembrik::testing
