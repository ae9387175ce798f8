// The library against a shell that misbehaves: one that hangs, and another program that
// subclasses the clock on top of ours.
#include "hook_fixture.h"

namespace zembrik::testing {
namespace {

using HookShellFaults = HookTest;

constexpr int kNative = 0;
constexpr int kForeignOnTop = 1;

DWORD millisecondsOf(const std::function<void()>& action) {
  const DWORD start = GetTickCount();
  action();
  return GetTickCount() - start;
}

// endHook gives up on a hung shell after its bounded wait and still removes its hook; once the
// shell runs again a new start takes the clock over again and a stop gives it back.
TEST_F(HookShellFaults, EndHookDoesNotHangWithAHungShell) {
  StandinTaskbar bar;
  TestHostWindow host;
  const PackedSize nativeAnswer = askSize(bar.clock());
  attach(bar, host);
  bar.hang(8000);
  pumpFor(300);  // the stand-in is asleep now
  const DWORD waited = millisecondsOf([] { endHook(); });
  EXPECT_LT(waited, 5000u) << "bounded by the detach timeout, not by the hang";
  ASSERT_TRUE(pumpUntil([&] { return askSize(bar.clock()) != 0; }, 12000)) << "awake again";
  EXPECT_EQ(bar.exitCode(), static_cast<DWORD>(STILL_ACTIVE));

  host.clear();
  attach(bar, host);
  EXPECT_EQ(host.received().front().wParam, reinterpret_cast<WPARAM>(bar.clock()));
  endHook();
  EXPECT_EQ(askSize(bar.clock()), nativeAnswer);
  EXPECT_FALSE(thisKeyExists());
}

// A foreign subclass on top of ours survives our detach and keeps the clock working; a later
// attach works through it, and once it is gone our detach restores the native procedure.
TEST_F(HookShellFaults, DetachKeepsAForeignSubclassOnTheClock) {
  StandinTaskbar bar;
  TestHostWindow host;
  const PackedSize nativeAnswer = askSize(bar.clock());
  attach(bar, host);
  const PackedSize ourAnswer = askSize(bar.clock());
  ASSERT_TRUE(bar.foreignSubclass(0, true));

  endHook();
  EXPECT_EQ(bar.clockProcedureState(0), kForeignOnTop);
  const int callsBefore = bar.foreignSubclassCalls(0);
  EXPECT_EQ(askSize(bar.clock()), nativeAnswer) << "forwarded through our procedure to the native";
  EXPECT_GT(bar.foreignSubclassCalls(0), callsBefore);

  host.clear();
  attach(bar, host);
  EXPECT_EQ(askSize(bar.clock()), ourAnswer) << "attached again beneath the foreign procedure";
  EXPECT_EQ(bar.clockProcedureState(0), kForeignOnTop);

  ASSERT_TRUE(bar.foreignSubclass(0, false));
  endHook();
  EXPECT_EQ(bar.clockProcedureState(0), kNative);
  EXPECT_EQ(askSize(bar.clock()), nativeAnswer);
}

}  // namespace
}  // namespace zembrik::testing
