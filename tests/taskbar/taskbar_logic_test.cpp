#include <gtest/gtest.h>

#include <string>

#include "engine/taskbar/os_generation.h"
#include "engine/taskbar/size_negotiation.h"
#include "engine/taskbar/taskbar_order.h"

namespace zembrik {
namespace {

TEST(OsGeneration, FollowsTheVersionTable) {
  struct Case {
    OsVersion version;
    int expected;
  };
  const Case cases[] = {
      {{false, 0, 0, 0}, 1},     {{true, 5, 1, 2600}, 1},   {{true, 6, 0, 6000}, 2},
      {{true, 6, 1, 7601}, 3},   {{true, 6, 2, 9200}, 4},   {{true, 6, 3, 9600}, 5},
      {{true, 6, 4, 9841}, 6},   {{true, 10, 0, 14290}, 6}, {{true, 10, 0, 14291}, 7},
      {{true, 10, 0, 22631}, 7}, {{true, 11, 0, 30000}, 4}, {{true, 6, 9, 0}, 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(osGenerationFor(c.version, 4), c.expected)
        << c.version.major << "." << c.version.minor << "." << c.version.build;
  }
}

TEST(SizeNegotiation, PackedSizesAndTheOnePixelFloor) {
  EXPECT_EQ(packSize(120, 40), 0x00280078u);
  EXPECT_EQ(atLeastOnePixel(0), packSize(1, 1));
  EXPECT_EQ(atLeastOnePixel(packSize(0, 30)), packSize(1, 30));
  EXPECT_EQ(atLeastOnePixel(packSize(70, 30)), packSize(70, 30));
}

TEST(SizeNegotiation, HiddenShowDesktopAnswersOnePixelMoreWhenSizesCoincide) {
  const PackedSize native = packSize(60, 30);
  const PackedSize button = packSize(15, 30);
  // Horizontal: widths are compared.
  EXPECT_EQ(adjustForHiddenShowDesktop(packSize(75, 30), button, native, false), packSize(76, 30));
  EXPECT_EQ(adjustForHiddenShowDesktop(packSize(74, 30), button, native, false), packSize(74, 30));
  // Vertical: heights are compared (30 + 30).
  EXPECT_EQ(adjustForHiddenShowDesktop(packSize(50, 60), button, native, true), packSize(50, 61));
  EXPECT_EQ(adjustForHiddenShowDesktop(packSize(50, 59), button, native, true), packSize(50, 59));
}

TEST(SizeNegotiation, NotificationAreaClaimsExactlyTheExtraRoom) {
  // Horizontal: native area 200 x 40 with a 60-wide native clock; our clock wants 95.
  EXPECT_EQ(
      notificationAreaAnswer(packSize(200, 40), packSize(95, 40), false, packSize(60, 40), false),
      packSize(235, 40));
  // Vertical: heights instead.
  EXPECT_EQ(
      notificationAreaAnswer(packSize(60, 300), packSize(60, 90), true, packSize(60, 30), true),
      packSize(60, 360));
  // A smaller clock gives room back.
  EXPECT_EQ(
      notificationAreaAnswer(packSize(200, 40), packSize(40, 40), false, packSize(60, 40), false),
      packSize(180, 40));
}

TEST(SizeNegotiation, SecondaryClockTakesRoomFromTheTaskBandAndGivesItBack) {
  const Rect clock{900, 0, 960, 40};
  auto grown = placeSecondaryClock(clock, 880, 40, 70, 40, false);
  EXPECT_EQ(grown.clock, (Rect{890, 0, 960, 40}));
  EXPECT_EQ(grown.siblingWidth, 870);
  auto restored = placeSecondaryClock(grown.clock, grown.siblingWidth, 40, 60, 40, false);
  EXPECT_EQ(restored.clock, clock);
  EXPECT_EQ(restored.siblingWidth, 880);

  auto tall = placeSecondaryClock(Rect{0, 700, 60, 730}, 60, 690, 60, 45, true);
  EXPECT_EQ(tall.clock, (Rect{0, 685, 60, 730}));
  EXPECT_EQ(tall.siblingHeight, 675);
  EXPECT_EQ(tall.siblingWidth, 60);
}

TEST(SizeNegotiation, NeighboursRightOfTheNativeClockShift) {
  const PackedSize native = packSize(60, 40);
  const PackedSize measured = packSize(90, 40);
  EXPECT_EQ(neighbourMove({false, false, false, 170, 0}, false, 100, 0, native, measured),
            NeighbourMove::Shift);
  EXPECT_EQ(neighbourMove({false, false, false, 50, 0}, false, 100, 0, native, measured),
            NeighbourMove::Leave);
  EXPECT_EQ(neighbourMove({false, false, true, 100, 0}, false, 100, 0, native, measured),
            NeighbourMove::PlaceClock);
  EXPECT_EQ(neighbourMove({false, false, true, 100, 0}, false, 100, 0, native, 0),
            NeighbourMove::Leave);
  EXPECT_EQ(neighbourMove({true, true, false, 170, 0}, false, 100, 0, native, measured),
            NeighbourMove::ShrinkToNothing);
  EXPECT_EQ(neighbourMove({false, false, false, 0, 140}, true, 0, 100, native, measured),
            NeighbourMove::Shift);
}

TEST(TaskbarOrder, SecondariesRunFromRightmostOrLowestToLeftmostOrHighest) {
  struct Bar {
    std::string name;
    Rect rect;
  };
  auto rectOf = [](const Bar& b) { return b.rect; };
  std::vector<Bar> list{{"main", {0, 1040, 1920, 1080}}};
  // Discovered in an arbitrary order: left, right, middle monitors.
  for (const Bar& bar : {Bar{"left", {-1280, 984, 0, 1024}}, Bar{"right", {1920, 1040, 3840, 1080}},
                         Bar{"middle", {100, 2000, 1000, 2040}}}) {
    list.push_back(bar);
    moveLastSecondaryIntoPlace(list, rectOf);
  }
  std::vector<std::string> order;
  for (const auto& b : list) order.push_back(b.name);
  // Pairwise, along the axis on which two taskbars are further apart: "middle" is lower than
  // "left" by less than it is right of it, and further left of "right" than it is below it.
  EXPECT_EQ(order, (std::vector<std::string>{"main", "right", "middle", "left"}));
}

}  // namespace
}  // namespace zembrik
