#include <gtest/gtest.h>

#include "host/minute_countdown.h"
#include "host/restart_guard.h"
#include "host/taskbar_transparency.h"

namespace zembrik {
namespace {

struct Recreation {
  std::uint32_t tick;
  bool newProcess;
  bool givesUp;
};

void runGuard(std::initializer_list<Recreation> sequence, const char* name) {
  RestartGuard guard;
  int step = 0;
  for (const auto& r : sequence) {
    const auto elapsed = guard.stamp(r.tick);
    EXPECT_EQ(guard.noteRecreation(r.newProcess, elapsed), r.givesUp) << name << " step " << step;
    ++step;
  }
}

TEST(RestartGuard, GivesUpAtTheThirdQuickRecreationByANewShell) {
  runGuard({{100000, true, false}, {110000, true, false}, {124999, true, true}}, "quick");
  runGuard({{100000, true, false}, {110000, true, false}, {125000, true, false}}, "15 s apart");
  runGuard(
      {{100000, true, false}, {130000, true, false}, {131000, true, false}, {132000, true, true}},
      "a pause starts counting at 1 again");
  runGuard({{100000, true, false},
            {101000, false, false},
            {102000, false, false},
            {103000, true, false},
            {104000, true, true}},
           "same shell process does not count");
  runGuard({{5000, true, false}, {6000, true, false}, {7000, true, true}}, "soon after boot");
  runGuard({{0xFFFFF000, true, false}, {0x00000800, true, false}, {0x00001000, true, true}},
           "tick count wraps");
}

TEST(TaskbarTransparency, PercentToAlpha) {
  const struct {
    std::uint32_t percent, alpha;
  } cases[] = {{0, 0},
               {1, 2},
               {40, 102},
               {50, 127},
               {99, 252},
               {100, 255},
               {101, 257},
               {16843010, 42949675},
               {0xFFFFFFFF, 0xFFFFFFFF}};
  for (const auto& c : cases) EXPECT_EQ(alphaFromPercent(c.percent), c.alpha) << c.percent;
  EXPECT_EQ(opacityForAlpha(255), 0);
  EXPECT_EQ(opacityForAlpha(0), 255);
  EXPECT_EQ(opacityForAlpha(102), 153);
}

TEST(TaskbarTransparency, IgnoresOutOfRangeAndUnchangedValues) {
  TaskbarTransparency t;
  EXPECT_FALSE(t.set(0, true)) << "already 0";
  EXPECT_FALSE(t.set(127, false)) << "stored without applying";
  EXPECT_EQ(t.alpha(), 127u);
  EXPECT_FALSE(t.set(127, true)) << "unchanged";
  EXPECT_FALSE(t.set(256, true));
  EXPECT_EQ(t.alpha(), 127u);
  EXPECT_TRUE(t.set(255, true));
  EXPECT_TRUE(t.set(t.prepareReapply(), true)) << "re-applying is never skipped";
  EXPECT_EQ(t.alpha(), 255u);
  EXPECT_TRUE(t.set(0, true));
}

TEST(MinuteCountdown, DueOnTheFirstTickThenEverySixty) {
  MinuteCountdown countdown;
  std::vector<int> due;
  for (int tick = 1; tick <= 181; ++tick) {
    if (countdown.tick())
      due.push_back(tick);
  }
  EXPECT_EQ(due, (std::vector<int>{1, 61, 121, 181}));
}

}  // namespace
}  // namespace zembrik
