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
  using enum ButtonActionKind;
  const struct {
    const char16_t* value;
    ButtonActionKind kind;
  } cases[] = {
      {u"*s", SystemCalendar}, {u"*c", InternalCalendar}, {u"*m", Menu},     {u"*r", Program},
      {u" *c", Program},       {u"*C", Program},          {u"*c ", Program}, {u"", Program},
  };
  for (const auto& c : cases) {
    const auto action = actionFromValue(c.value);
    EXPECT_EQ(action.kind, c.kind) << std::u16string_view(c.value).size();
    EXPECT_TRUE(action.program.empty());
  }
}

TEST(ButtonActions, DefaultsFollowShowCalendarOnRightKeyElseLegacyMode) {
  using enum ButtonActionKind;
  const struct {
    std::optional<std::uint32_t> onRight;
    bool legacy;
    ButtonActionKind left, right;
  } cases[] = {
      {std::nullopt, false, SystemCalendar, InternalCalendar},
      {std::nullopt, true, InternalCalendar, SystemCalendar},
      {1, true, SystemCalendar, InternalCalendar},
      {7, false, SystemCalendar, InternalCalendar},
      {0, false, InternalCalendar, SystemCalendar},
      {0, true, InternalCalendar, SystemCalendar},
  };
  for (const auto& c : cases) {
    const auto actions = defaultButtonActions(c.onRight, c.legacy);
    EXPECT_EQ(actions[0].kind, c.left);
    EXPECT_EQ(actions[1].kind, Menu);
    EXPECT_EQ(actions[2].kind, c.right);
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
  EXPECT_EQ(settings.button(MouseButton::Left).kind, ButtonActionKind::Program);
  EXPECT_EQ(settings.button(MouseButton::Middle).kind, ButtonActionKind::InternalCalendar);
  EXPECT_EQ(settings.button(MouseButton::Right).kind, ButtonActionKind::SystemCalendar)
      << "the default stays";
  EXPECT_TRUE(settings.restartOnShellRestart);
  EXPECT_EQ(settings.transparencyAlpha, 102u);
}

TEST_F(HostSettingsTest, ValuesOfTheWrongTypeCountAsAbsent) {
  writeNumber(*root, u"MouseButtonM", 1);
  writeText(*root, u"restart", u"1");
  const auto settings = readHostSettings(*root, false);
  EXPECT_EQ(settings.button(MouseButton::Middle).kind, ButtonActionKind::Menu);
  EXPECT_FALSE(settings.restartOnShellRestart);
}

}  // namespace
}  // namespace zembrik
