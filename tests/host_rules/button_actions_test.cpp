#include <gtest/gtest.h>

#include "engine/host_rules/button_actions.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"

namespace zembrik {
namespace {

TEST(SplitProgramValue, ShapesTriedInOrder) {
  const struct {
    const char16_t* value;
    const char16_t* program;
    const char16_t* parameters;
  } cases[] = {
      {u"", u"", u""},
      {u"   ", u"", u""},
      {u"*c", u"", u""},
      {u"  *anything else", u"", u""},
      {u"notepad.exe", u"notepad.exe", u""},
      {u"notepad.exe  a b ", u"notepad.exe", u"a b"},
      {u"  calc", u"calc", u""},
      // U+0001 wins over quotes and spaces.
      {u"C:\\My Tools\\x.exe\u0001-a \"b c\"", u"C:\\My Tools\\x.exe", u"-a \"b c\""},
      {u" \"C:\\q r\\y.exe\" \u0001 p ", u"\"C:\\q r\\y.exe\"", u"p"},
      {u"x.exe\u0001", u"x.exe", u""},
      {u"\u0001params", u"", u"params"},
      // Quoted program.
      {u"\"C:\\Program Files\\App\\app.exe\" --open", u"C:\\Program Files\\App\\app.exe",
       u"--open"},
      {u"\"C:\\Program Files\\App\\app.exe\"", u"C:\\Program Files\\App\\app.exe", u""},
      {u"\"C:\\No End\\app.exe -x", u"C:\\No End\\app.exe -x", u""},
      {u"\"\" rest", u"", u""},
      {u"\" padded \"x", u"padded", u"x"},
      {u"\"*not a code\"", u"*not a code", u""},
  };
  for (const auto& c : cases) {
    const auto split = splitProgramValue(c.value);
    EXPECT_EQ(split.program, c.program) << std::u16string_view(c.value).size();
    EXPECT_EQ(split.parameters, c.parameters) << std::u16string_view(c.value).size();
  }
}

TEST(ButtonActions, CodesAreComparedWholeAndCaseSensitively) {
  const struct {
    const char16_t* value;
    bool s, c, m;
  } cases[] = {
      {u"*s", true, false, false},   {u"*c", false, true, false},   {u"*m", false, false, true},
      {u"*r", false, false, false},  {u" *c", false, false, false}, {u"*C", false, false, false},
      {u"*c ", false, false, false}, {u"", false, false, false},
  };
  for (const auto& c : cases) {
    const auto action = actionFromValue(c.value);
    EXPECT_EQ(action.systemCalendar, c.s);
    EXPECT_EQ(action.internalCalendar, c.c);
    EXPECT_EQ(action.menu, c.m);
    EXPECT_TRUE(action.program.empty());
  }
}

struct Flags {
  bool s, c, m;
};

void expectFlags(const ButtonAction& action, Flags flags, const char* where) {
  EXPECT_EQ(action.systemCalendar, flags.s) << where;
  EXPECT_EQ(action.internalCalendar, flags.c) << where;
  EXPECT_EQ(action.menu, flags.m) << where;
}

TEST(ButtonActions, DefaultsFollowShowCalendarOnRightKeyElseLegacyMode) {
  const struct {
    std::optional<std::uint32_t> onRight;
    bool legacy;
    Flags left, right;
  } cases[] = {
      {std::nullopt, false, {true, false, false}, {false, true, false}},
      {std::nullopt, true, {false, true, false}, {true, false, false}},
      {1, true, {true, false, false}, {false, true, false}},
      {7, false, {true, false, false}, {false, true, false}},
      {0, false, {false, true, false}, {true, false, false}},
      {0, true, {false, true, false}, {true, false, false}},
  };
  for (const auto& c : cases) {
    const auto actions = defaultButtonActions(c.onRight, c.legacy);
    expectFlags(actions[0], c.left, "left");
    expectFlags(actions[1], {false, false, true}, "middle");
    expectFlags(actions[2], c.right, "right");
  }
}

class HostSettingsTest : public ::testing::Test {
 protected:
  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> root =
      registry.currentUser()
          ->createSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite, KeyLifetime::Persistent)
          .key;
};

TEST_F(HostSettingsTest, EmptyKeyGivesTheDefaults) {
  const auto settings = readHostSettings(*root, false);
  EXPECT_EQ(settings.buttons, defaultButtonActions(std::nullopt, false));
  EXPECT_FALSE(settings.restartOnShellRestart);
  EXPECT_EQ(settings.transparencyAlpha, 0u);
}

TEST_F(HostSettingsTest, StoredValuesOverrideTheirButtonOnly) {
  writeText(*root, u"MouseButtonL", u"\"C:\\Tools Dir\\rec.exe\" one");
  writeText(*root, u"MouseButtonM", u"*c");
  writeNumber(*root, u"showCalendarOnRightKey", 0);
  writeNumber(*root, u"restart", 5);
  writeNumber(*root, u"transparentTaskBar", 40);
  const auto settings = readHostSettings(*root, false);
  EXPECT_EQ(settings.button(MouseButton::Left).program, u"C:\\Tools Dir\\rec.exe");
  EXPECT_EQ(settings.button(MouseButton::Left).parameters, u"one");
  expectFlags(settings.button(MouseButton::Left), {false, false, false}, "left");
  expectFlags(settings.button(MouseButton::Middle), {false, true, false}, "middle");
  expectFlags(settings.button(MouseButton::Right), {true, false, false}, "right (default)");
  EXPECT_TRUE(settings.restartOnShellRestart);
  EXPECT_EQ(settings.transparencyAlpha, 102u);
}

TEST_F(HostSettingsTest, ValuesOfTheWrongTypeCountAsAbsent) {
  writeNumber(*root, u"MouseButtonM", 1);
  writeText(*root, u"restart", u"1");
  const auto settings = readHostSettings(*root, false);
  expectFlags(settings.button(MouseButton::Middle), {false, false, true}, "middle");
  EXPECT_FALSE(settings.restartOnShellRestart);
}

}  // namespace
}  // namespace zembrik
