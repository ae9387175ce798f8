// The hook library against the stand-in taskbar, for real: the library loads into the stand-in's
// process through the hook, subclasses its clock and answers its size queries.
#include "tests/hook/hook_fixture.h"

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

// A secondary taskbar's clock is attached too and reads its own numbered set ("horizontal_1"),
// falling back to the main set where that has no value; endHook gives both clocks back.
TEST_F(HookIntegration, ASecondaryClockIsAttachedWithItsOwnSet) {
  writeFace(u"horizontal", {u",,,,,,:HH:mm"});
  StandinTaskbar bar(L"--secondary=0,0,600,30");
  TestHostWindow host;
  ASSERT_TRUE(bar.clock(1));
  const PackedSize nativeAnswer = askSize(bar.clock(1));
  attach(bar, host);
  ASSERT_TRUE(pumpUntil([&] { return host.count(MSG_CLOCK_ATTACHED) == 2; }, 5000));
  std::vector<WPARAM> attached;
  for (const auto& message : host.received())
    if (message.message == MSG_CLOCK_ATTACHED)
      attached.push_back(message.wParam);
  EXPECT_EQ(attached, (std::vector<WPARAM>{reinterpret_cast<WPARAM>(bar.clock(1)),
                                           reinterpret_cast<WPARAM>(bar.clock())}))
      << "the main clock is attached last";
  // Each clock's default font follows its own height, so the secondary clock is compared with
  // itself: the fallback face first, then the same face in its own set, then a wider one.
  auto reloadSecondary = [&] {
    SendMessageW(bar.clock(1), MSG_RELOAD, 0, 0);
    pumpFor(1500);  // past the tick that ends a theme's one-pixel-wider answer
  };
  pumpFor(1500);
  const PackedSize fallbackFace = askSize(bar.clock(1));
  writeFace(u"horizontal_1", {u",,,,,,:HH:mm"});
  reloadSecondary();
  EXPECT_EQ(askSize(bar.clock(1)), fallbackFace) << "without a set of its own: the main set";

  writeFace(u"horizontal_1", {u",,,,,,:HH:mm:ss"});
  reloadSecondary();
  const PackedSize ownFace = askSize(bar.clock(1));
  EXPECT_GT(packedWidth(ownFace), packedWidth(fallbackFace));
  bar.relayout();
  pumpFor(500);
  const RECT rect = bar.clockRect(1);
  EXPECT_EQ(rect.right - rect.left, packedWidth(ownFace)) << "the secondary bar gives it the room";

  endHook();
  EXPECT_EQ(askSize(bar.clock(1)), nativeAnswer) << "the native procedure answers again";
}

}  // namespace
}  // namespace zembrik::testing
