// Zembrik64.exe / Zembrik32.exe as shipped, with the real hook library, against the stand-in
// taskbar: the face replaces the stand-in's clock, "stop" gives the clock back, and a shell
// restart is followed.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/protocol/window_messages.h"
#include "tests/host_integration/host_program_fixture.h"

namespace zembrik::testing {
namespace {

// The main clock's window as the library records it in the volatile key `this`.
std::optional<std::uint32_t> attachedClock() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\OBR\\Zembrik\\this", 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return std::nullopt;
  DWORD type = 0, value = 0, size = sizeof(value);
  const bool ok = RegQueryValueExW(key, L"hwndLo", nullptr, &type, reinterpret_cast<BYTE*>(&value),
                                   &size) == ERROR_SUCCESS &&
                  type == REG_DWORD;
  RegCloseKey(key);
  return ok ? std::optional<std::uint32_t>(value) : std::nullopt;
}

std::uint32_t lowBits(HWND window) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

bool thisKeyExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\OBR\\Zembrik\\this", 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

using HostAttachTest = HostProgramTest;

TEST_F(HostAttachTest, AttachesToTheTaskbarClockAndStopGivesItBack) {
  StandinChild standin(L"");
  ASSERT_NE(standin.taskbar(), nullptr);
  HWND clock = trayClockOf(standin.taskbar());
  ChildProcess host(REAL_HOST_EXE, L"start");
  ASSERT_TRUE(waitFor([&] { return attachedClock() == lowBits(clock); }, 10000))
      << "the clock was not attached";
  EXPECT_EQ(ChildProcess(REAL_HOST_EXE, L"stop").waitForExit(kStopMs), 1u)
      << "the stop loop's exit code";
  EXPECT_EQ(host.waitForExit(kQuickMs), 0u);
  EXPECT_FALSE(thisKeyExists()) << "detaching deletes the key `this`";
  EXPECT_EQ(findHostWindow(), nullptr);
}

TEST_F(HostAttachTest, FollowsANewShellProcessWhenRestartIsOn) {
  keepSettings();
  writeSettingNumber(L"restart", 1);
  StandinChild standin(L"");
  ChildProcess host(REAL_HOST_EXE, L"");
  ASSERT_TRUE(
      waitFor([&] { return attachedClock() == lowBits(trayClockOf(standin.taskbar())); }, 10000));
  const DWORD oldProcess = processOf(standin.taskbar());
  PostMessageW(standin.taskbar(), standin::kMsgRestartProcess, 0, 0);
  HWND taskbar = nullptr;
  ASSERT_TRUE(waitFor([&] {
    taskbar = findStandinTaskbar();
    return taskbar && processOf(taskbar) != oldProcess;
  }));
  EXPECT_TRUE(waitFor([&] { return attachedClock() == lowBits(trayClockOf(taskbar)); }, 8000))
      << "re-attached to the new shell's clock within a few seconds";
  EXPECT_EQ(host.waitForExit(0), STILL_ACTIVE);
}

// Every detach fails its taskbar scan once the shell is gone, and the library reports each
// failure to the host. A stop then must end the host without a box: each box's own message loop
// would take the stop loop's next WM_ENDSESSION and open another box, without end.
TEST_F(HostAttachTest, StopAfterTheShellDiedEndsTheHostWithoutPilingUpBoxes) {
  SetEnvironmentVariableW(ZEMBRIK_DIALOG_HOLD_VARIABLE, L"3000");
  StandinChild standin(L"");
  HWND clock = trayClockOf(standin.taskbar());
  ChildProcess host(REAL_HOOK_SEAM_HOST_EXE, L"");
  ASSERT_TRUE(waitFor([&] { return attachedClock() == lowBits(clock); }, 10000));
  TerminateProcess(standin.process(), 1);  // as a crashed shell
  ASSERT_TRUE(waitFor([&] { return !IsWindow(clock); }, kQuickMs));

  ChildProcess stopper(REAL_HOOK_SEAM_HOST_EXE, L"stop");
  EXPECT_EQ(stopper.waitForExit(kStopMs), 1u) << "the host's window went away";
  EXPECT_EQ(host.waitForExit(kQuickMs), 0u);
  EXPECT_LE(dialogs().size(), 1u) << ::testing::PrintToString(dialogs());
}

// The shell's copy of the library reports a failed rescan with a blocking send from the
// taskbar's thread. The host answers it before its box: the taskbar goes on painting.
TEST_F(HostAttachTest, TheTaskbarKeepsPaintingWhileTheHostShowsAFailureFromInsideTheShell) {
  SetEnvironmentVariableW(ZEMBRIK_DIALOG_HOLD_VARIABLE, L"6000");
  StandinChild standin(L"");
  HWND taskbar = standin.taskbar();
  HWND clock = trayClockOf(taskbar);
  ChildProcess host(REAL_HOOK_SEAM_HOST_EXE, L"");
  ASSERT_TRUE(waitFor([&] { return attachedClock() == lowBits(clock); }, 10000));

  // The rescan looks for a "Shell_TrayWnd" with an empty title; renamed, none of ours is found.
  SetWindowTextW(taskbar, L"renamed");
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(clock, MSG_REARM, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer);
  SendNotifyMessageW(clock, WM_NULL, 0, 0);  // the next hooked call rescans
  ASSERT_TRUE(waitFor([] { return !dialogs().empty(); }, kQuickMs));
  EXPECT_EQ(dialogs().front().rfind(L"Error|failed to start Zembrik: ", 0), 0u)
      << dialogs().front();

  const DWORD asked = GetTickCount();
  EXPECT_TRUE(SendMessageTimeoutW(taskbar, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer));
  EXPECT_LT(GetTickCount() - asked, 1000u);
  // Painting needs the taskbar's message loop, not only its answers to sent messages.
  InvalidateRect(taskbar, nullptr, FALSE);
  EXPECT_TRUE(waitFor([&] { return !GetUpdateRect(taskbar, nullptr, FALSE); }, 1500))
      << "the taskbar waits for the host's box";
  EXPECT_EQ(host.waitForExit(10000), 0u) << "the box was answered and the host closed";
  EXPECT_EQ(dialogs().size(), 1u);
}

// The library forwards a click on the face to the host, which runs the button's command line.
TEST_F(HostAttachTest, AClickOnTheFaceRunsTheConfiguredProgram) {
  keepSettings();
  writeSettingText(L"MouseButtonL", std::wstring(RECORDER_EXE) + L" clicked");
  StandinChild standin(L"");
  HWND clock = trayClockOf(standin.taskbar());
  ChildProcess host(REAL_HOST_EXE, L"");
  ASSERT_TRUE(waitFor([&] { return attachedClock() == lowBits(clock); }, 10000));
  PostMessageW(clock, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(clock, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(waitFor([] { return countLines(recorderLogPath(), L"argv=clicked") == 1; }, 5000));
}

}  // namespace
}  // namespace zembrik::testing
