// Zembrik64.exe / Zembrik32.exe as shipped, with the real hook library, against the stand-in
// taskbar: the face replaces the stand-in's clock, "stop" gives the clock back, and a shell
// restart is followed.
#include <windows.h>

#include <gtest/gtest.h>

#include "host_program_fixture.h"

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
  EXPECT_EQ(ChildProcess(REAL_HOST_EXE, L"stop").waitForExit(kStopMs), 0u);
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

// Disabled until the hook library forwards clicks on the clock to the host (mouse actions are
// still left to the native clock there); then a click on the face itself must start the program.
TEST_F(HostAttachTest, DISABLED_AClickOnTheFaceRunsTheConfiguredProgram) {
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
