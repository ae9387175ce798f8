#include "engine/paint/face_colours.h"

#include <gtest/gtest.h>

namespace zembrik {
namespace {

class Scheme final : public SystemColours {
 public:
  Colour colour(SystemColour which) const override {
    switch (which) {
      case SystemColour::ButtonText:
        return 0x000001;
      case SystemColour::ButtonHighlight:
        return 0x000002;
      case SystemColour::ButtonShadow:
        return 0x000003;
      default:
        return 0x000004;
    }
  }
};

class Themed final : public ThemeState {
 public:
  bool themeActive() const override { return true; }
};

struct ColoursCase {
  const char* name;
  bool themed;
  int generation;
  FaceColours expected;
};

class ColourRefresh : public ::testing::TestWithParam<ColoursCase> {};

TEST_P(ColourRefresh, FollowsTheThemeAndTheScheme) {
  const ColoursCase& c = GetParam();
  Themed themed;
  NoTheme none;
  const ThemeState& theme = c.themed ? static_cast<const ThemeState&>(themed) : none;
  EXPECT_EQ(refreshFaceColours(theme, c.generation, Scheme{}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    States, ColourRefresh,
    ::testing::Values(
        ColoursCase{
            "no_theme", false, 1, {0x000001, 0x000002, 0x000003, 0x000002, 0x000003, 0x000004}},
        ColoursCase{
            "themed_xp", true, 1, {0xFFFFFF, 0x7F7F7F, 0x3F3F3F, 0x7F0000, 0xFFFF7F, 0x000004}},
        ColoursCase{
            "themed_later", true, 7, {0xFFFFFF, 0x000002, 0x000003, 0x000002, 0x000003, 0x000004}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace zembrik
