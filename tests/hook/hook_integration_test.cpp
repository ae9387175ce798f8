// The hook library against the stand-in taskbar, for real: the library loads into the stand-in's
// process through the hook, subclasses its clock and answers its size queries.
#include "hook_fixture.h"

namespace zembrik::testing {
namespace {

using HookIntegration = HookTest;

TEST_F(HookIntegration, AttachWritesThisKeyAndTellsTheHost) {
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  const HWND clock = bar.clock();
  const auto id = reinterpret_cast<std::uintptr_t>(clock);

  EXPECT_EQ(host.received().front().message, MSG_CLOCK_ATTACHED);
  EXPECT_EQ(host.received().front().wParam, reinterpret_cast<WPARAM>(clock));
  EXPECT_EQ(thisValue(u"isVertical"), 0u);
  EXPECT_EQ(thisValue(u"hwndLo"), static_cast<std::uint32_t>(id));
  EXPECT_EQ(thisValue(u"hwndHi"), static_cast<std::uint32_t>(static_cast<std::uint64_t>(id) >> 32));
  // "isXPtheme" follows the prefix's theme: hook_theme_test sets it both ways.
  EXPECT_EQ(host.count(MSG_START_FAILED), 0);
}

TEST_F(HookIntegration, TheTaskbarGivesTheClockTheRoomItAnswers) {
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  const PackedSize answer = askSize(bar.clock());
  ASSERT_NE(answer, 0u);
  bar.relayout();
  // Along a horizontal taskbar the clock gets the width it asked for; across it, the bar's height.
  const RECT rect = bar.clockRect();
  EXPECT_EQ(rect.right - rect.left, packedWidth(answer));
}

TEST_F(HookIntegration, EndHookGivesTheClockBackAndIsHarmlessRepeated) {
  StandinTaskbar bar;
  TestHostWindow host;
  const PackedSize nativeAnswer = askSize(bar.clock());
  attach(bar, host);
  ASSERT_TRUE(thisKeyExists());

  endHook();
  EXPECT_FALSE(thisKeyExists());
  EXPECT_EQ(askSize(bar.clock()), nativeAnswer) << "the native procedure answers again";
  endHook();
  endHook();
  EXPECT_TRUE(IsWindow(bar.taskbar()));
  EXPECT_EQ(bar.exitCode(), static_cast<DWORD>(STILL_ACTIVE));
}

TEST_F(HookIntegration, AttachesAgainAfterAShellRestart) {
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  const HWND firstClock = bar.clock();

  // The shell re-creates its windows; the library stays loaded in it (Wine never unloads a hook
  // library, and Windows keeps it while it is pinned), so its state must allow a new attach.
  ASSERT_TRUE(bar.restartWindows());
  ASSERT_NE(bar.clock(), firstClock);
  endHook();
  host.clear();
  attach(bar, host);
  EXPECT_EQ(host.received().front().wParam, reinterpret_cast<WPARAM>(bar.clock()));
  EXPECT_EQ(thisValue(u"hwndLo"),
            static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(bar.clock())));

  endHook();
  host.clear();
  attach(bar, host);  // and again after a plain endHook
}

TEST_F(HookIntegration, AVerticalTaskbarUsesTheVerticalSet) {
  StandinTaskbar bar(L"--edge=left");
  TestHostWindow host;
  attach(bar, host);
  EXPECT_EQ(thisValue(u"isVertical"), 1u);
  EXPECT_TRUE(settingsKeyExists(u"Software\\OBR\\Zembrik\\vertical"));
}

}  // namespace
}  // namespace zembrik::testing
