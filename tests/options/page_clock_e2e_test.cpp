// End to end under Wine: the hook library attached to the stand-in taskbar (this test plays the
// host), and a text typed on the Clock page reaches the clock the stand-in lays out.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"
#include "grid/grid_messages.h"
#include "hook/hook_exports.h"
#include "options/page_clock_ids.h"
#include "tests/hook/hook_test_driver.h"
#include "tests/options/options_harness_win32.h"

namespace zembrik::testing {
namespace {

int clockWidth(const StandinTaskbar& bar) {
  RECT rect = bar.clockRect();
  return rect.right - rect.left;
}

TEST(PageClockEndToEnd, ALongerTextWidensTheClockWithinTwoSeconds) {
  resetSettings();
  {
    auto set =
        openTestSettings()->createSubkey(u"horizontal", kKeyReadWrite, KeyLifetime::Persistent);
    ASSERT_TRUE(set);
    writeNumber(*set.key, u"nColumns", 1);
    writeNumber(*set.key, u"nRows", 1);
    writeText(*set.key, u"cell_0_0", u",,6,4,,,:HH:mm");
    writeText(*set.key, u"font_0_0", u"12,700,:Arial");
  }
  StandinTaskbar bar;
  ASSERT_TRUE(bar.running());
  TestHostWindow host;
  ASSERT_TRUE(startHook(host.window()));
  ASSERT_TRUE(pumpUntil([&] { return host.count(MSG_CLOCK_ATTACHED) > 0; }, 5000));
  pumpFor(500);
  const int before = clockWidth(bar);

  {
    OptionsHarness options;
    options.showPage(kClockPage);
    SendMessageW(options.control(kClockPage, IDC_CLOCK_GRID), grid::GRIDM_CLICKCELL,
                 grid::gridCell(1, 1), 0);
    ASSERT_EQ(windowText(options.control(kClockPage, IDC_CELL_TEXT)), L"HH:mm");
    DWORD typed = GetTickCount();
    options.setText(kClockPage, IDC_CELL_TEXT, L"HH:mm:ss");
    bool widened = pumpUntil([&] { return clockWidth(bar) > before; }, 2000);
    EXPECT_TRUE(widened) << "width stayed " << before;
    RecordProperty("widened_after_ms", static_cast<int>(GetTickCount() - typed));
    EXPECT_GT(host.count(MSG_RELOAD), 0);
  }
  endHook();
  resetSettings();
}

}  // namespace
}  // namespace zembrik::testing
