#include "engine/settings/mouse_settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/format/format_compile.h"
#include "tests/settings/settings_fixture.h"

namespace zembrik::testing {
namespace {

using MouseSettings = SettingsFixture;

std::u16string compiled(std::u16string_view text) {
  CompiledFormat segments;
  EmptyZoneTable zones;
  compileFormat(text, segments, /*cellMode=*/false, zones);
  return segments.front();
}

struct ActionCase {
  std::optional<std::uint32_t> calendarOnRight;
  int generation;
  std::optional<std::u16string> left, middle, right;
  MouseActions expected;  // left, middle, right
};

TEST_F(MouseSettings, ActionBytesFollowCalendarKeyGenerationAndButtonTexts) {
  const ActionCase cases[] = {
      // Defaults by generation.
      {{}, 1, {}, {}, {}, {0, 0, 's'}},
      {{}, 2, {}, {}, {}, {'s', 0, 'r'}},
      {{}, 3, {}, {}, {}, {'s', 0, 'r'}},
      {{}, 7, {}, {}, {}, {'s', 0, 'r'}},
      // "showCalendarOnRightKey" wins over the generation, either way.
      {1u, 7, {}, {}, {}, {'s', 0, 0}},
      {7u, 1, {}, {}, {}, {'s', 0, 0}},
      {0u, 7, {}, {}, {}, {0, 0, 's'}},
      {0u, 1, {}, {}, {}, {0, 0, 's'}},
      // Button texts: exactly "*s" or "*r", anything else is the host's.
      {{}, 7, u"*r", u"*s", u"*s", {'r', 's', 's'}},
      {1u, 7, u"", u"*x", u"*r", {0, 0, 'r'}},
      {{}, 3, u"notepad.exe", u"*S", u"*s ", {0, 0, 0}},
      {0u, 1, u"*s", u"*r", {}, {'s', 'r', 's'}},
  };
  for (const ActionCase& c : cases) {
    auto key = settingsKey(u"mouse");
    for (const char16_t* name :
         {u"showCalendarOnRightKey", u"MouseButtonL", u"MouseButtonM", u"MouseButtonR"})
      key->deleteValue(name);
    if (c.calendarOnRight)
      writeNumber(*key, u"showCalendarOnRightKey", *c.calendarOnRight);
    if (c.left)
      writeText(*key, u"MouseButtonL", *c.left);
    if (c.middle)
      writeText(*key, u"MouseButtonM", *c.middle);
    if (c.right)
      writeText(*key, u"MouseButtonR", *c.right);
    MouseActions got = readMouseActions(*key, c.generation);
    EXPECT_EQ(got, c.expected) << "generation " << c.generation << " L=" << int(got.left)
                               << " M=" << int(got.middle) << " R=" << int(got.right);
  }
}

TEST_F(MouseSettings, ButtonValueOfAnotherTypeCountsAsAbsent) {
  writeNumber(*root, u"MouseButtonL", 0x732A);  // the bytes of "*s" as a DWORD
  writeText(*root, u"showCalendarOnRightKey", u"1");
  EXPECT_EQ(readMouseActions(*root, 7), (MouseActions{'s', 0, 'r'}));
}

TEST_F(MouseSettings, TooltipFormatIsTrimmedAndCompiledOutsideCellMode) {
  struct Case {
    std::optional<std::u16string> stored;
    std::u16string expected;
  };
  const Case cases[] = {
      {{}, u""},
      {u"", u""},
      {u"\t\r\n \x01 ", u""},  // only control characters and spaces: no tooltip format
      {u"Hi  \r\n", compiled(u"Hi")},
      {u"  Hi<>", compiled(u"  Hi<>")},  // leading blanks stay; `<` and `>` do not split
  };
  for (const Case& c : cases) {
    root->deleteValue(u"CustomTooltip");
    if (c.stored)
      writeText(*root, u"CustomTooltip", *c.stored);
    EXPECT_EQ(readTooltipFormat(*root, zones), c.expected);
  }
  EXPECT_NE(compiled(u"  Hi<>").find(u'<'), std::u16string::npos);
  // A compiled format keeps its tokens encoded: it differs from the text but is not empty.
  writeText(*root, u"CustomTooltip", u"dddd\\nHH:mm");
  EXPECT_FALSE(readTooltipFormat(*root, zones).empty());
}

TEST_F(MouseSettings, TheLoadSharesActionsAndGivesEachClockItsTooltip) {
  writeText(*root, u"CustomTooltip", u"Zembrik ");
  writeText(*root, u"MouseButtonM", u"*r");
  writeNumber(*root, u"showCalendarOnRightKey", 0);
  MouseActions shared{};
  SettingsSources from = sources();
  from.mouseActions = &shared;
  from.osGeneration = 7;
  ClockConfig clock = clockAt(false);
  ASSERT_EQ(loadSettings(clock, from), LoadOutcome::Loaded);
  EXPECT_EQ(shared, (MouseActions{0, 'r', 's'}));
  EXPECT_EQ(clock.tooltipFormat, compiled(u"Zembrik"));
}

TEST_F(MouseSettings, AVeryLongTooltipValueLoadsWithoutHarm) {
  // 20480 bytes do not fit the text buffer with their terminator: the value reads as absent.
  writeText(*root, u"CustomTooltip", std::u16string(10240, u'y'));
  EXPECT_EQ(readTooltipFormat(*root, zones), u"");
  writeText(*root, u"CustomTooltip", std::u16string(10000, u'y'));
  EXPECT_FALSE(readTooltipFormat(*root, zones).empty());
}

}  // namespace
}  // namespace zembrik::testing
