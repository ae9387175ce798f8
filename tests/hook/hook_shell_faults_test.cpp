// The library against a shell that misbehaves: one that hangs, one that re-creates its windows
// in the middle of an attach, and another program that subclasses the clock on top of ours.
#include <set>

#include "tests/hook/hook_fixture.h"

namespace zembrik::testing {
namespace {

using HookShellFaults = HookTest;

constexpr int kNative = 0;
constexpr int kForeignOnTop = 1;
constexpr int kOurs = 2;
constexpr int kClocks = 2;  // a main and a secondary taskbar
const wchar_t kWithSecondary[] = L"--secondary=0,0,400,30";

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
  ASSERT_TRUE(bar.hang(8000));
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

std::set<HWND> currentClocks(const StandinTaskbar& bar) {
  return {bar.clock(0), bar.clock(1)};
}

// The clocks the shell side reported attached since the host's record was last cleared.
std::set<HWND> reportedClocks(const TestHostWindow& host) {
  std::set<HWND> clocks;
  for (const auto& message : host.received())
    if (message.message == MSG_CLOCK_ATTACHED)
      clocks.insert(reinterpret_cast<HWND>(message.wParam));
  return clocks;
}

void expectEveryClockGivenBack(const StandinTaskbar& bar) {
  for (int index = 0; index < kClocks; ++index) {
    EXPECT_TRUE(pumpUntil([&] { return bar.clockProcedureState(index) == kNative; }, 3000))
        << "clock " << index << " kept procedure state " << bar.clockProcedureState(index);
  }
  EXPECT_FALSE(thisKeyExists());
}

// The host's answer to "TaskbarCreated": stop, then start again, and wait for both clocks.
void restartAsTheHostDoes(StandinTaskbar& bar, TestHostWindow& host) {
  endHook();
  pumpFor(200);
  host.clear();
  ASSERT_TRUE(startHook(host.window()));
  EXPECT_TRUE(pumpUntil([&] { return reportedClocks(host) == currentClocks(bar); }, 5000))
      << "reported " << reportedClocks(host).size() << " clocks, not the " << kClocks
      << " of the current tree";
}

// The shell re-creates its windows while the library is attaching them: inside a message to the
// secondary clock just taken over, so the clock's window, and the library's instance with it, is
// destroyed while the library's procedure for that very message is still running. Repeated, so
// that anything left behind by one round (an instance of a dead window, a sequence that never
// ended) shows in the next.
TEST_F(HookShellFaults, ShellReCreatedInTheMiddleOfAnAttach) {
  StandinTaskbar bar(kWithSecondary);
  TestHostWindow host;
  ASSERT_TRUE(bar.running());
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(::testing::Message() << "round " << round);
    const std::set<HWND> oldClocks = currentClocks(bar);
    const HWND oldTaskbar = bar.taskbar();
    ASSERT_TRUE(bar.armRestartOnSubclass(true));
    host.clear();
    ASSERT_TRUE(startHook(host.window()));
    ASSERT_TRUE(pumpUntil([&] { return bar.taskbar() && bar.taskbar() != oldTaskbar; }, 5000))
        << "the stand-in never re-created its tree";
    pumpFor(300);  // whatever the library does with the rest of its sequence
    ASSERT_EQ(bar.exitCode(), static_cast<DWORD>(STILL_ACTIVE)) << "the shell died";
    for (HWND clock : oldClocks) EXPECT_FALSE(IsWindow(clock));
    EXPECT_EQ(bar.clockProcedureState(0), kNative) << "the new main clock attached unasked";

    restartAsTheHostDoes(bar, host);
    for (int index = 0; index < kClocks; ++index)
      EXPECT_EQ(bar.clockProcedureState(index), kOurs) << "clock " << index;
    EXPECT_TRUE(thisKeyExists());
    endHook();
    expectEveryClockGivenBack(bar);
    ASSERT_EQ(bar.exitCode(), static_cast<DWORD>(STILL_ACTIVE)) << "the shell died";
  }
}

// endHook while the shell is busy and the attach requests of the start before are still queued
// in it: once the shell runs again nothing stays attached and nothing attaches by itself, also
// while the shell keeps laying itself out; the next start attaches the windows there are now.
// Once against a library loaded into the shell for the first time, once against one loaded and
// pinned by an earlier start (whose state carries over).
TEST_F(HookShellFaults, EndHookWhileTheAttachRequestsAreQueued) {
  for (bool loadedBefore : {false, true}) {
    SCOPED_TRACE(loadedBefore ? "library loaded before" : "first start");
    StandinTaskbar bar(kWithSecondary);
    TestHostWindow host;
    ASSERT_TRUE(bar.running());
    if (loadedBefore) {
      attach(bar, host);
      endHook();
    }
    ASSERT_TRUE(bar.hang(1500));
    ASSERT_TRUE(startHook(host.window()));
    endHook();  // returns once the shell woke and took its detaches
    bar.selfLayout(100);
    pumpFor(1000);
    ASSERT_EQ(bar.exitCode(), static_cast<DWORD>(STILL_ACTIVE)) << "the shell died";
    expectEveryClockGivenBack(bar);

    host.clear();
    ASSERT_TRUE(startHook(host.window()));
    EXPECT_TRUE(pumpUntil([&] { return reportedClocks(host) == currentClocks(bar); }, 5000));
    endHook();
    expectEveryClockGivenBack(bar);
  }
}

// A detach that reaches one clock only: what a shell that slept through endHook does with the one
// detach it was sent, when it takes it late (the others were never sent). The clock still
// attached keeps working and keeps its entries in the running-clock key; the next start takes
// both over, the next stop gives both back.
TEST_F(HookShellFaults, DetachOfOneClockLeavesTheOthersRunning) {
  StandinTaskbar bar(kWithSecondary);
  TestHostWindow host;
  ASSERT_TRUE(bar.running());
  ASSERT_TRUE(startHook(host.window()));
  ASSERT_TRUE(pumpUntil([&] { return reportedClocks(host) == currentClocks(bar); }, 5000));
  const auto mainWindow = static_cast<std::uint32_t>(HandleToULong(bar.clock(0)));
  ASSERT_EQ(thisValue(u"hwndLo"), mainWindow);

  DWORD_PTR ignored = 0;
  ASSERT_TRUE(
      SendMessageTimeoutW(bar.clock(1), MSG_DETACH, 0, 0, SMTO_ABORTIFHUNG, 3000, &ignored));
  EXPECT_EQ(bar.clockProcedureState(1), kNative);
  EXPECT_EQ(bar.clockProcedureState(0), kOurs);
  EXPECT_EQ(thisValue(u"hwndLo"), mainWindow) << "the running main clock lost its entry";
  EXPECT_FALSE(thisValue(u"hwndLo_1").has_value()) << "the detached clock is still listed";

  host.clear();
  ASSERT_TRUE(startHook(host.window()));
  EXPECT_TRUE(pumpUntil([&] { return reportedClocks(host) == currentClocks(bar); }, 5000));
  endHook();
  expectEveryClockGivenBack(bar);
}

}  // namespace
}  // namespace zembrik::testing
