#include <gtest/gtest.h>

#include "engine/calendar/c_resizer.h"
#include "engine/calendar/calendar_placement.h"

namespace zembrik {
namespace {

TEST(CalendarPlacement, BesideEachTaskbarEdgeOnTheClocksSide) {
  const Rect monitor{0, 0, 1024, 768};
  const Size size{200, 150};
  const struct {
    const char* name;
    Rect taskbar, clock;
    Point at;
  } cases[] = {
      {"bottom, clock right", {0, 738, 1024, 768}, {960, 740, 1020, 766}, {824, 588}},
      {"bottom, clock left", {0, 738, 1024, 768}, {4, 740, 64, 766}, {0, 588}},
      {"top, clock right", {0, 0, 1024, 30}, {960, 2, 1020, 28}, {824, 30}},
      {"top, clock left", {0, 0, 1024, 30}, {4, 2, 64, 28}, {0, 30}},
      {"left, clock bottom", {0, 0, 60, 768}, {2, 700, 58, 760}, {60, 618}},
      {"left, clock top", {0, 0, 60, 768}, {2, 4, 58, 60}, {60, 0}},
      {"right, clock bottom", {964, 0, 1024, 768}, {966, 700, 1022, 760}, {764, 618}},
      {"right, clock top", {964, 0, 1024, 768}, {966, 4, 1022, 60}, {764, 0}},
      // A square taskbar counts as horizontal.
      {"square", {0, 700, 68, 768}, {40, 702, 66, 766}, {-132, 550}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(placeCalendar(c.taskbar, c.clock, monitor, size), c.at) << c.name;
  const Rect second{1024, 0, 2048, 768};
  EXPECT_EQ(placeCalendar({1024, 738, 2048, 768}, {1980, 740, 2040, 766}, second, size),
            (Point{1848, 588}));
  EXPECT_EQ(placeCalendar({0, 738, 1024, 768}, {960, 740, 1020, 766}, std::nullopt, size),
            kPlacementWithoutMonitor);
}

TEST(CalendarPlacement, DragKeptWhileTheTaskbarStays) {
  DragMemory memory;
  const Rect bottom{0, 738, 1024, 768};
  EXPECT_EQ(memory.place({824, 588}, bottom), (Point{824, 588}));
  memory.hiddenAt({800, 500});
  EXPECT_EQ(memory.place({824, 588}, bottom), (Point{800, 500}));
  memory.hiddenAt({800, 500});  // hidden without a further move: the offset stays
  EXPECT_EQ(memory.place({824, 588}, bottom), (Point{800, 500}));
  // Another taskbar rectangle drops the offset, also when coming back.
  EXPECT_EQ(memory.place({824, 30}, {0, 0, 1024, 30}), (Point{824, 30}));
  memory.hiddenAt({824, 30});
  EXPECT_EQ(memory.place({824, 588}, bottom), (Point{824, 588}));
}

TEST(CalendarPlacement, OpensOnTodayAfterTheClosedTime) {
  constexpr std::int64_t second = 10'000'000;
  const std::int64_t closed = 1000 * second;
  const struct {
    std::int32_t todayAfterMs;
    std::optional<std::int64_t> closedAt;
    std::int64_t now;
    bool today;
  } cases[] = {
      {-1, closed, closed + 100'000 * second, false},  // never
      {-5, closed, closed + 100'000 * second, false},
      {0, closed, closed, true},  // always
      {0, std::nullopt, closed, true},
      {5000, closed, closed + 4 * second, false},
      {5000, closed, closed + 5 * second, true},
      {5000, closed, closed - 1, true},  // the clock went back past the closing
      {0x7FFFFFFF, closed, closed + 3600 * second, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(opensOnToday(c.todayAfterMs, c.closedAt, c.now), c.today)
        << c.todayAfterMs << " " << (c.now - closed);
}

TEST(Resizer, EdgesFollowTheClientSizeChange) {
  c_Resizer resizer;
  resizer.start({356, 218});
  const ResizedControl area{-1, {0, 0, 356, 200}, 68};
  const ResizedControl back{1002, {0, 202, 32, 218}, 80};
  const ResizedControl centre{1007, {164, 202, 196, 218}, 90, {0.5, 0.5, 1, 1}};
  const ResizedControl forward{1004, {324, 202, 356, 218}, 85};
  const ResizedControl scaled{9, {10, 10, 20, 20}, 2 | 8 | 32 | 128, {0.25, 0.5, 0.5, 1.0}};
  const Size bigger{456, 258};  // 100 wider, 40 higher
  EXPECT_EQ(resizer.rectFor(area, bigger), (Rect{0, 0, 456, 240}));
  EXPECT_EQ(resizer.rectFor(back, bigger), (Rect{0, 242, 32, 258}));
  EXPECT_EQ(resizer.rectFor(centre, bigger), (Rect{214, 242, 246, 258}));
  EXPECT_EQ(resizer.rectFor(forward, bigger), (Rect{424, 242, 456, 258}));
  EXPECT_EQ(resizer.rectFor(scaled, bigger), (Rect{35, 30, 70, 60}));
  EXPECT_EQ(resizer.rectFor(centre, {356, 218}), centre.initial);
  EXPECT_EQ(resizer.rectFor(centre, {256, 198}), (Rect{114, 182, 146, 198}));
}

}  // namespace
}  // namespace zembrik
