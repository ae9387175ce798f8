// zembrik-format's command line is a fixed interface: these cases pin it down, and run a few
// whole-system examples through it (cell values, name lists from --set, lock keys, bias).
#include "tools/format/format_tool.h"

#include <gtest/gtest.h>

namespace zembrik {
namespace {

struct ToolCase {
  std::vector<std::u16string> args;
  int exitCode;
  std::string out;
};

std::string runTool(const std::vector<std::u16string>& args, int& code,
                    std::string* err = nullptr) {
  FormatToolPlatform platform{[] {
    CalendarTime now;
    now.year = 2030;
    now.month = 6;
    now.day = 15;
    now.hour = 12;
    return now;
  }};
  std::string out, error;
  code = runFormatTool(args, platform, out, error);
  if (err)
    *err = error;
  return out;
}

TEST(FormatTool, PrintsSegmentsForTheGivenMoment) {
  const std::u16string at = u"2026-12-08 17:05:09";  // a Tuesday
  const ToolCase cases[] = {
      {{u"--local", at, u"dddd d MMM yyyy HH:mm:ss"}, 0, "Tuesday 8 Dec 2026 17:05:09\n"},
      {{u"--local", at, u"--cell", u">,0,0,0,0,0,0:HH:mm"}, 0, "\n\n17:05\n"},
      {{u"--local", at, u"--cell", u"<,,,,,,:<dddd>"}, 0, "\nTuesday\n\n"},
      {{u"--local", at, u"--cell", u"no colon at all"}, 0, "\n\n\n"},
      // A tab before the first field is the alignment character itself, and centres.
      {{u"--local", u"2026-12-08 10:00:00", u"--cell", u"\t>,,,,,,:HH:mm:ss"}, 0, "\n10:00:00\n\n"},
      {{u"--local", at, u"'Uhr' HH"}, 0, "Uhr 17\n"},
      {{u"--local", at, u"Uhr HH"}, 0, "U5r 17\n"},
      {{u"--local", at, u"--tip", u"<x>\\nb"}, 0, "<x>\nb\n"},
      {{u"--local", at, u"A<>N"}, 0, " \n\n \n"},
      {{u"--local", at, u"--locks", u"cn", u"A<>N"}, 0, "A\n\nN\n"},
      // UTC follows from local time and the bias (UTC minus local).
      {{u"--local", at, u"--bias", u"-120", u"Z:zz zzz @{}HH:mm zzz"}, 0, "+2:00 +120 15:05 +0\n"},
      {{u"--utc", at, u"--bias", u"300", u"HH zzm"}, 0, "12 \u2212300\n"},
      {{u"--local", at, u"--set", u"weekDaysAbbr= Su ; Mo;;We;Th;Fr;Sa;extra", u"ddx"}, 0, "?\n"},
      {{u"--local", u"2026-12-07 00:30:00", u"--set", u"weekDaysAbbr= Su ; Mo;;We", u"ddx h:mm P"},
       0,
       "Mo 12:30 AM\n"},
      {{u"--local", at, u"--set", u"textPM=nachm.", u"--set", u"textCapsOff=", u"P[A]"},
       0,
       "nachm.[]\n"},
      {{u"--", u"--local"}, 0, "--local\n"},
  };
  for (const auto& c : cases) {
    int code = -1;
    EXPECT_EQ(runTool(c.args, code), c.out) << toUtf8(c.args.back());
    EXPECT_EQ(code, c.exitCode) << toUtf8(c.args.back());
  }
}

TEST(FormatTool, JsonCarriesTheFlagsAndEscapesText) {
  int code = -1;
  EXPECT_EQ(runTool({u"--json", u"--local", u"2026-01-01 00:00:07", u"<ss>\"\\\"'\\t'"}, code),
            "{\"segments\": [\"\", \"07\", \"\\\"'\\u0009'\"], \"seconds\": true, \"lockKeys\": "
            "false}\n");
  EXPECT_EQ(runTool({u"--json", u"--local", u"2026-01-01 00:00:07", u"S mm"}, code),
            "{\"segments\": [\"  00\"], \"seconds\": false, \"lockKeys\": true}\n");
}

TEST(FormatTool, WithoutAMomentUsesTheCurrentTime) {
  int code = -1;
  EXPECT_EQ(runTool({u"yyyy-MM-dd HH dddd"}, code), "2030-06-15 12 Saturday\n");
}

TEST(FormatTool, BadArgumentsExitWithTwoAndOneLine) {
  const std::vector<std::vector<std::u16string>> bad = {
      {},
      {u"--local"},
      {u"--local", u"2026-02-29 10:00:00", u"HH"},
      {u"--local", u"2026-1-1 10:00:00", u"HH"},
      {u"--utc", u"2026-01-01 24:00:00", u"HH"},
      {u"--bias", u"abc", u"HH"},
      {u"--bias", u"100000", u"HH"},
      {u"--locks", u"X", u"HH"},
      {u"--set", u"noequals", u"HH"},
      {u"--set", u"=x", u"HH"},
      {u"HH", u"mm"},
      {u"--cell", u",,:HH", u"HH"},
      {u"--tip", u"--cell", u",,,,,,:HH"},
  };
  for (const auto& args : bad) {
    int code = -1;
    std::string err;
    EXPECT_EQ(runTool(args, code, &err), "");
    EXPECT_EQ(code, 2);
    ASSERT_FALSE(err.empty());
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
  }
}

TEST(FormatTool, HelpPrintsTheUsageAndAnUnknownOptionAddsItToTheError) {
  struct HelpCase {
    std::vector<std::u16string> args;
    int exitCode;
    std::string out;
    std::string err;
  };
  const std::string usage = kFormatToolUsage;
  const HelpCase cases[] = {
      {{u"--help"}, 0, usage, ""},
      {{u"--local", u"2026-12-08 10:00:00", u"--help", u"HH"}, 0, usage, ""},
      {{u"--bogus", u"HH"}, 2, "", "zembrik-format: unknown option --bogus\n" + usage},
      {{u"HH", u"--help-me"}, 2, "", "zembrik-format: unknown option --help-me\n" + usage},
  };
  for (const auto& c : cases) {
    int code = -1;
    std::string err;
    EXPECT_EQ(runTool(c.args, code, &err), c.out) << toUtf8(c.args.front());
    EXPECT_EQ(code, c.exitCode) << toUtf8(c.args.front());
    EXPECT_EQ(err, c.err) << toUtf8(c.args.front());
  }
  EXPECT_EQ(usage.rfind("usage: zembrik-format ", 0), 0u);
}

TEST(Utf8, RoundTripsAndReplacesBrokenInput) {
  const std::u16string text = u"Grüße \u2212 \U0001F600";
  EXPECT_EQ(fromUtf8(toUtf8(text)), text);
  EXPECT_EQ(fromUtf8("a\xC3"), u"a\uFFFD");
  EXPECT_EQ(toUtf8(u"\xD800x"), "\xEF\xBF\xBDx");
}

}  // namespace
}  // namespace zembrik
