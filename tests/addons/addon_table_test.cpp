// The add-on table's registration rules and the hit test of a click on the add-on strip.
#include <gtest/gtest.h>

#include <vector>

#include "engine/addons/addon_hit.h"
#include "engine/addons/addon_table.h"

namespace zembrik {
namespace {

TEST(AddonTable, RegistersUpdatesAndRemovesById) {
  AddonTable table;
  struct Step {
    bool unregister;
    std::int32_t id;
    std::uint64_t window;
    RegisterChange change;  // or, for an unregister, Unchanged = unknown id
  };
  const Step steps[] = {
      {false, 5, 0x100, RegisterChange::Appended},
      {false, 6, 0x200, RegisterChange::Appended},
      {false, 5, 0x100, RegisterChange::Unchanged},
      {false, 5, 0x300, RegisterChange::WindowReplaced},
      {true, 9, 0, RegisterChange::Unchanged},
      {true, 5, 0, RegisterChange::WindowReplaced},
      {false, 5, 0x400, RegisterChange::Appended},
  };
  for (const Step& step : steps) {
    if (step.unregister) {
      EXPECT_EQ(table.unregisterAddon(step.id), step.change != RegisterChange::Unchanged)
          << step.id;
    } else {
      EXPECT_EQ(table.registerAddon(step.id, step.window), step.change) << step.id;
    }
  }
  // Registration order: 6 before the re-registered 5.
  ASSERT_EQ(table.ids(), (std::vector<std::int32_t>{6, 5}));
  EXPECT_EQ(table.windowOf(5), 0x400u);
  EXPECT_EQ(table.windowOf(9), std::nullopt);
}

TEST(AddonTable, RefusesNewIdsBeyondItsLimitButStillUpdatesKnownOnes) {
  AddonTable table;
  for (std::int32_t id = 0; id < static_cast<std::int32_t>(kMaxAddons); ++id)
    ASSERT_EQ(table.registerAddon(id, 1), RegisterChange::Appended);
  EXPECT_EQ(table.registerAddon(1000, 1), RegisterChange::Refused);
  EXPECT_EQ(table.registerAddon(3, 2), RegisterChange::WindowReplaced);
  EXPECT_EQ(table.records().size(), kMaxAddons);
}

struct HitCase {
  const char* name;
  bool vertical;
  int x, y;
  std::optional<std::int32_t> id;
  int hitX, hitY;
};

class AddonHitTest : public ::testing::TestWithParam<HitCase> {};

// Two add-ons: 7 takes the first 20 pixels of the strip, 9 the next 30; 4 has no cells here.
// The strip also holds 3 pixels of gap before the clock's own cells.
TEST_P(AddonHitTest, FindsTheAddonAndTheClickWithinItsCells) {
  const HitCase& test = GetParam();
  const AddonEdge edges[] = {{7, 20}, {4, -1}, {9, 50}};
  AddonStrip strip = test.vertical ? AddonStrip{0, 2, 40, 53} : AddonStrip{2, 0, 53, 30};
  auto hit = addonHit(edges, strip, test.vertical, test.x, test.y);
  ASSERT_EQ(hit.has_value(), test.id.has_value());
  if (!hit)
    return;
  EXPECT_EQ(hit->id, *test.id);
  EXPECT_EQ(hit->x, test.hitX);
  EXPECT_EQ(hit->y, test.hitY);
}

INSTANTIATE_TEST_SUITE_P(
    Walk, AddonHitTest,
    ::testing::Values(HitCase{"InsideTheFirst", false, 7, 4, 7, 5, 4},
                      HitCase{"LastPixelOfTheFirst", false, 21, 4, 7, 19, 4},
                      HitCase{"FirstPixelOfTheSecond", false, 22, 9, 9, 0, 9},
                      HitCase{"InsideTheSecond", false, 40, 29, 9, 18, 29},
                      HitCase{"BeyondTheLastFarEdge", false, 53, 4, std::nullopt, 0, 0},
                      HitCase{"LeftOfTheStrip", false, 1, 4, std::nullopt, 0, 0},
                      HitCase{"OnTheClocksCells", false, 55, 4, std::nullopt, 0, 0},
                      HitCase{"VerticalInsideTheSecond", true, 10, 32, 9, 10, 10},
                      HitCase{"VerticalAboveTheStrip", true, 10, 1, std::nullopt, 0, 0},
                      HitCase{"VerticalBelowTheStrip", true, 10, 55, std::nullopt, 0, 0}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(AddonClick, LParamCarriesTheCoordinatesWithinTheAddonAndMarkerIsKept) {
  EXPECT_EQ(addonClickLParam({9, 5, 300}), 0x012C0005u);
  EXPECT_EQ(addonClickLParam({9, 0xFFFF, 0}), 0x0000FFFFu);
  EXPECT_EQ(0x0001u | kAddonClickMarker, 0x52424F01u);
}

}  // namespace
}  // namespace zembrik
