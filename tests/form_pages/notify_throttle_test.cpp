// The spacing of reload notifications during a run of edits.
#include <gtest/gtest.h>

#include "engine/options/notify_throttle.h"

namespace zembrik {
namespace {

constexpr NotifyScope kEvery = NotifyScope::EveryClock;
constexpr NotifyScope kSelected = NotifyScope::SelectedClock;

TEST(NotifyThrottle, SendsTheFirstAtOnceHoldsTheRestAndSendsThemOnceWhenDue) {
  NotifyThrottle throttle(250);
  EXPECT_EQ(throttle.request(kEvery, 1000), kEvery);
  EXPECT_EQ(throttle.request(kEvery, 1010), std::nullopt);
  EXPECT_EQ(throttle.request(kEvery, 1100), std::nullopt);
  EXPECT_EQ(throttle.msUntilDue(1100), 150u);
  EXPECT_EQ(throttle.due(1249), std::nullopt) << "not before the interval";
  EXPECT_EQ(throttle.due(1250), kEvery);
  EXPECT_FALSE(throttle.holding());
  EXPECT_EQ(throttle.due(1600), std::nullopt) << "sent once only";
  EXPECT_EQ(throttle.request(kEvery, 1600), kEvery) << "after a pause: at once again";
}

TEST(NotifyThrottle, MergesHeldScopesFlushesAndSurvivesAClockGoingBack) {
  NotifyThrottle throttle(250);
  EXPECT_EQ(throttle.request(kSelected, 0), kSelected);
  EXPECT_EQ(throttle.request(kSelected, 10), std::nullopt);
  EXPECT_EQ(throttle.request(NotifyScope::HostOnly, 20), std::nullopt);
  EXPECT_EQ(throttle.flush(), kEvery) << "reaches every window either would have";
  EXPECT_EQ(throttle.flush(), std::nullopt);
  EXPECT_EQ(throttle.request(kSelected, 1000), kSelected);
  EXPECT_EQ(throttle.request(kSelected, 1010), std::nullopt);
  EXPECT_EQ(throttle.due(5), kSelected) << "a time before the last sending is never waited for";
}

}  // namespace
}  // namespace zembrik
