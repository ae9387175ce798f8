// startHook on a system without a taskbar clock (Wine's explorer has only a hidden, empty
// "Shell_TrayWnd"): it fails, and since no host was ever recorded it reports to nobody.
#include <gtest/gtest.h>

#include "engine/protocol/window_messages.h"
#include "hook/hook_exports.h"
#include "tests/hook/hook_test_driver.h"

namespace zembrik::testing {
namespace {

TEST(HookWithoutTaskbar, StartFailsAndTheFirstCallSendsNothing) {
  TestHostWindow host;
  EXPECT_FALSE(startHook(host.window()));
  EXPECT_FALSE(startHook(host.window()));
  pumpFor(200);
  EXPECT_EQ(host.count(MSG_START_FAILED), 0);
  endHook();  // with no hook installed: harmless
  pumpFor(100);
  EXPECT_EQ(host.received().size(), 0u);
}

}  // namespace
}  // namespace zembrik::testing
