// The attachment's edges: failures reported to a known host, a clock hidden at attach, a moved
// taskbar, and settings that make no sense.
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "tests/hook/hook_fixture.h"
#include "tests/hook/random_settings.h"
#include "tools/standin_taskbar/standin_protocol.h"

namespace zembrik::testing {
namespace {

using HookLifecycle = HookTest;

TEST_F(HookLifecycle, FailuresReachAHostKnownFromAnEarlierStart) {
  TestHostWindow host;
  {
    StandinTaskbar bar;
    attach(bar, host);
    endHook();
  }
  host.clear();
  // Only Wine's own empty "Shell_TrayWnd" is left: no notification area.
  EXPECT_FALSE(startHook(host.window()));
  ASSERT_EQ(host.count(MSG_START_FAILED), 1);
  EXPECT_EQ(host.received().front().lParam, static_cast<LPARAM>(StartFailure::NoNotificationArea));
}

TEST_F(HookLifecycle, AClockHiddenAtAttachWaitsUntilShownThenAsksForARestart) {
  StandinTaskbar bar;
  TestHostWindow host;
  ShowWindow(bar.clock(), SW_HIDE);
  attach(bar, host);
  EXPECT_EQ(askSize(bar.clock()), 0u) << "a hidden clock is not sized";

  ShowWindow(bar.clock(), SW_SHOW);
  bar.relayout();
  ASSERT_TRUE(pumpUntil([&] { return host.count(MSG_CLOCK_SHOWN) > 0; }, 3000));
  for (const auto& m : host.received()) {
    if (m.message != MSG_CLOCK_SHOWN)
      continue;
    EXPECT_EQ(m.wParam, reinterpret_cast<WPARAM>(bar.clock()));
    EXPECT_EQ(m.lParam, kClockShownMark);
  }
  // The host restarts the attachment; the fresh clock is sized.
  endHook();
  host.clear();
  attach(bar, host);
  EXPECT_NE(askSize(bar.clock()), 0u);
}

// While attached the native clock's own timer is stopped (its messages would be dropped
// anyway); once the clock is given back the native clock ticks every second again.
TEST_F(HookLifecycle, TheNativeClockTicksAgainAfterTheDetach) {
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  pumpFor(1500);
  ASSERT_TRUE(bar.resetClockMessageCounts());
  pumpFor(2500);
  EXPECT_EQ(bar.clockMessageCount(0, WM_TIMER), 0) << "the native timer reached the native clock";

  endHook();
  ASSERT_TRUE(bar.resetClockMessageCounts());
  pumpFor(3500);
  // The stand-in's clock repaints on a 1-second timer: three ticks at least, not the single one
  // posted at the detach.
  EXPECT_GE(bar.clockMessageCount(0, WM_TIMER), 3);
}

TEST_F(HookLifecycle, MovingTheTaskbarToASideReloadsTheVerticalSet) {
  writeFace(u"vertical", {u",,,,,,:HH", u",,,,,,:mm"});
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  EXPECT_EQ(thisValue(u"isVertical"), 0u);
  const PackedSize horizontal = askSize(bar.clock());

  SendMessageW(bar.taskbar(), standin::kMsgMoveTaskbar, static_cast<WPARAM>(standin::Edge::Left),
               0);
  ASSERT_TRUE(pumpUntil([] { return thisValue(u"isVertical") == 1u; }, 3000));
  const PackedSize vertical = askSize(bar.clock());
  EXPECT_NE(vertical, horizontal);
  EXPECT_GT(packedHeight(vertical), packedWidth(vertical)) << "two rows stacked: a tall face";
}

// Random values of every kind in every place the clock reads: the clock must keep the stand-in
// alive through reloads and paints, and still detach cleanly. ZEMBRIK_SOAK_ROUNDS and
// ZEMBRIK_SOAK_SEED make a longer or different run.
TEST_F(HookLifecycle, NoStoredSettingsCanCrashTheShell) {
  const std::uint32_t rounds = environmentNumber("ZEMBRIK_SOAK_ROUNDS", 25);
  // The stand-in quits by itself after its timeout (the last one given counts): a long soak
  // keeps it up for 100 ms a round more (a round takes about 65 ms).
  StandinTaskbar bar(L"--timeout=" + std::to_wstring(120 + rounds / 10));
  TestHostWindow host;
  attach(bar, host);
  std::mt19937 random(environmentNumber("ZEMBRIK_SOAK_SEED", 20261208));
  for (std::uint32_t round = 0; round < rounds; ++round) {
    ASSERT_TRUE(writeRandomSettings(random));
    SendMessageW(bar.clock(), MSG_RELOAD, 0, 0);
    bar.relayout();
    UpdateWindow(bar.clock());
    pumpFor(50);
    ASSERT_EQ(bar.exitCode(), static_cast<DWORD>(STILL_ACTIVE)) << "round " << round;
  }
  endHook();
  EXPECT_FALSE(thisKeyExists());
  EXPECT_EQ(bar.exitCode(), static_cast<DWORD>(STILL_ACTIVE));
}

}  // namespace
}  // namespace zembrik::testing

namespace zembrik::testing {
namespace {

// Makes the stand-in see Windows 10 (generation 7) through Wine's per-program version setting.
class Windows10Standin {
 public:
  Windows10Standin() {
    auto key = openCurrentUserRoot()->createSubkey(kKey, kKeyReadWrite, KeyLifetime::Persistent);
    if (key)
      writeText(*key.key, u"Version", u"win10");
  }
  ~Windows10Standin() {
    auto defaults =
        openCurrentUserRoot()->openSubkey(u"Software\\Wine\\AppDefaults", kKeyReadWrite);
    if (defaults)
      deleteKeyTree(*defaults.key, u"standin_taskbar.exe");
  }

 private:
  static constexpr char16_t kKey[] = u"Software\\Wine\\AppDefaults\\standin_taskbar.exe";
};

int widthOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect.right - rect.left;
}

TEST_F(HookLifecycle, OnGeneration7TheNotificationAreaClaimsTheClocksExtraRoom) {
  Windows10Standin windows10;
  writeFace(u"horizontal",
            {u",,,,,,:dddd d MMMM yyyy HH:mm:ss"});  // far wider than the native clock
  StandinTaskbar bar(L"--generation7");
  TestHostWindow host;
  HWND notify = FindWindowExW(bar.taskbar(), nullptr, L"TrayNotifyWnd", nullptr);
  ASSERT_NE(notify, nullptr);
  const int nativeNotify = widthOf(notify);
  const int nativeClock = widthOf(bar.clock());

  attach(bar, host);
  bar.relayout();
  pumpFor(300);
  const int clockWidth = widthOf(bar.clock());
  EXPECT_GT(clockWidth, nativeClock);
  EXPECT_EQ(widthOf(notify), nativeNotify + clockWidth - nativeClock);
  // The show-desktop button right of the clock moved along with it.
  HWND button = FindWindowExW(notify, nullptr, L"TrayShowDesktopButtonWClass", nullptr);
  ASSERT_NE(button, nullptr);
  RECT clockRect{}, buttonRect{};
  GetWindowRect(bar.clock(), &clockRect);
  GetWindowRect(button, &buttonRect);
  EXPECT_GE(buttonRect.left, clockRect.right);
}

}  // namespace
}  // namespace zembrik::testing
