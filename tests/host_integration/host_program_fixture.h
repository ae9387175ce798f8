#pragma once
// The fixture of the host's integration tests: a clean settings key and logs before each test,
// no host left running after it, and starting hosts built for the tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/host_integration/host_test_support.h"
#include "tests/host_integration/test_seams.h"
#include "tests/standin/standin_child.h"
#include "tools/standin_taskbar/standin_protocol.h"

namespace zembrik::testing {

using standin::testing::findStandinTaskbar;
using standin::testing::processOf;
using standin::testing::StandinChild;
using standin::testing::waitFor;

constexpr DWORD kQuickMs = 3000;
constexpr DWORD kStopMs = 8000;

inline bool runsUnderWow64() {
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

inline HWND trayClockOf(HWND taskbar) {
  HWND notify = FindWindowExA(taskbar, nullptr, "TrayNotifyWnd", "");
  return FindWindowExA(notify, nullptr, "TrayClockWClass", nullptr);
}

class HostProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (runsUnderWow64() && !allowedUnderWow64_) {
      GTEST_SKIP() << "the 32-bit host refuses to run on 64-bit Windows (tested separately)";
    }
    terminateRunningHosts();
    deleteSettingsKey();
    for (const auto& path : {dialogLogPath(), hookLogPath(), recorderLogPath()})
      DeleteFileW(path.c_str());
    SetEnvironmentVariableW(ZEMBRIK_DIALOG_LOG_VARIABLE, dialogLogPath().c_str());
    SetEnvironmentVariableW(ZEMBRIK_HOOK_LOG_VARIABLE, hookLogPath().c_str());
    SetEnvironmentVariableW(ZEMBRIK_RECORDER_LOG_VARIABLE, recorderLogPath().c_str());
    SetEnvironmentVariableW(ZEMBRIK_DIALOG_ANSWER_VARIABLE, nullptr);
    SetEnvironmentVariableW(ZEMBRIK_HOOK_START_VARIABLE, nullptr);
    SetEnvironmentVariableW(ZEMBRIK_DIALOG_HOLD_VARIABLE, nullptr);
  }
  void TearDown() override {
    terminateRunningHosts();
    deleteSettingsKey();
  }

  static std::unique_ptr<ChildProcess> run(const std::wstring& arguments,
                                           const std::wstring& program = SEAM_HOST_EXE) {
    return std::make_unique<ChildProcess>(program, arguments);
  }

  // Starts a host and waits until it has its window and has attached once. The hook log then
  // holds this host's calls only.
  std::unique_ptr<ChildProcess> startHost(const std::wstring& program = SEAM_HOST_EXE) {
    DeleteFileW(hookLogPath().c_str());
    auto host = run(L"", program);
    EXPECT_TRUE(waitFor([] { return findHostWindow() && startHookCalls() >= 1; }, 10000))
        << "the host did not come up";
    return host;
  }

  // Settings written before a start survive it only under the current settings version.
  static void keepSettings() { writeSettingNumber(L"version", 0x01002D00); }

  static int startHookCalls() { return countLines(hookLogPath(), L"startHook"); }
  static std::vector<std::wstring> dialogs() { return readLines(dialogLogPath()); }
  static std::wstring lastHookCall() {
    auto lines = readLines(hookLogPath());
    return lines.empty() ? L"" : lines.back();
  }

  bool allowedUnderWow64_ = false;
};

}  // namespace zembrik::testing
