#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/host_rules/minute_countdown.h"
#include "engine/host_rules/read_until_it_fits.h"
#include "engine/host_rules/restart_guard.h"
#include "engine/host_rules/start_failure_reports.h"
#include "engine/host_rules/taskbar_transparency.h"

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

TEST(StartFailureReports, EachReasonShowsOnceNeverNestedAndNothingWhileStopping) {
  StartFailureReports reports;
  EXPECT_TRUE(reports.beginShowing(2));
  EXPECT_FALSE(reports.beginShowing(3)) << "reported from inside the box being shown";
  EXPECT_FALSE(reports.beginShowing(2));
  reports.finishedShowing();
  EXPECT_FALSE(reports.beginShowing(2)) << "the same reason again";
  EXPECT_TRUE(reports.beginShowing(3));
  reports.finishedShowing();
  reports.noteStopping();
  EXPECT_FALSE(reports.beginShowing(1)) << "stopping";
  EXPECT_FALSE(reports.beginShowing(5)) << "stopping";
}

// A reader that truncates as GetModuleFileNameW does: fills what fits, returns the buffer size.
TEST(ReadUntilItFits, GrowsUntilTheTextFitsAndFailsHonestly) {
  const struct {
    std::size_t textLength;
    bool readFails;
    std::size_t expectedLength;  // 0: empty result
    int expectedReads;
  } cases[] = {
      {10, false, 10, 1},   {99, false, 99, 1},   {100, false, 100, 2},  // exactly full
      {150, false, 150, 2}, {399, false, 399, 3}, {999, false, 999, 5},
      {1000, false, 0, 5},  {5000, false, 0, 5},  {10, true, 0, 1},
  };
  for (const auto& c : cases) {
    const std::u16string text(c.textLength, u'x');
    int reads = 0;
    const auto result = readUntilItFits<char16_t>(
        [&](char16_t* buffer, std::size_t size) -> std::size_t {
          ++reads;
          if (c.readFails)
            return 0;
          const std::size_t n = std::min(size, text.size());
          std::copy_n(text.begin(), n, buffer);
          return n;
        },
        100, 1000);
    EXPECT_EQ(result.size(), c.expectedLength) << c.textLength;
    EXPECT_EQ(reads, c.expectedReads) << c.textLength;
  }
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
