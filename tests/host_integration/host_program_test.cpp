// The host program under Wine against the stand-in taskbar, built with recorded message boxes
// and a stand-in hook library, so that everything the host decides is visible: its exit code,
// its window, the boxes it would show, when it attaches and detaches, what it starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/protocol/window_messages.h"
#include "tests/host_integration/host_program_fixture.h"

namespace zembrik::testing {
namespace {

// Whether the subkey made by createSettingsSubkey still holds its marker value.
bool subkeyKeptItsMarker(const std::wstring& path) {
  const std::wstring full = L"Software\\OBR\\Zembrik\\" + path;
  DWORD marker = 0, size = sizeof(marker);
  return RegGetValueW(HKEY_CURRENT_USER, full.c_str(), L"marker", RRF_RT_REG_DWORD, nullptr,
                      &marker, &size) == ERROR_SUCCESS;
}

// --- Start, single instance and stop --------------------------------------------------------

TEST_F(HostProgramTest, RefusesWithoutATaskbarClockAndLeavesTheRegistryAlone) {
  // Wine's own hidden "Shell_TrayWnd" has no clock in it.
  auto host = run(L"");
  EXPECT_EQ(host->waitForExit(10000), 1u);
  EXPECT_EQ(dialogs(), std::vector<std::wstring>{L"Error|Can't replace Tray Clock|48"});
  EXPECT_FALSE(settingsKeyExists());
  EXPECT_EQ(startHookCalls(), 0);
}

TEST_F(HostProgramTest, StartsRecordsItselfAndEndsOnStop) {
  StandinChild standin(L"");
  ASSERT_NE(standin.taskbar(), nullptr);
  auto host = startHost();
  EXPECT_EQ(readSettingNumber(L"version"), 0x01002D00u);
  EXPECT_EQ(readSettingText(L"ZembrikName"), sizeof(void*) == 8 ? L"Zembrik64" : L"Zembrik32");
  ASSERT_TRUE(readSettingText(L"ZembrikPath"));
  EXPECT_TRUE(samePath(*readSettingText(L"ZembrikPath"), SEAM_HOST_EXE));

  auto stopper = run(L"stop");
  EXPECT_EQ(stopper->waitForExit(kStopMs), 1u) << "the stop loop's exit code";
  EXPECT_EQ(host->waitForExit(kQuickMs), 0u);
  EXPECT_EQ(findHostWindow(), nullptr);
  EXPECT_EQ(lastHookCall(), L"endHook");
  EXPECT_TRUE(dialogs().empty());
}

TEST_F(HostProgramTest, SecondStartLeavesTheRunningHostAlone) {
  StandinChild standin(L"");
  auto host = startHost();
  for (const wchar_t* word : {L"start", L"START", L"-Start"}) {
    const DWORD started = GetTickCount();
    EXPECT_EQ(run(word)->waitForExit(kQuickMs), 0u) << word;
    EXPECT_LT(GetTickCount() - started, 5000u) << word << " exits at once";
  }
  EXPECT_EQ(host->waitForExit(0), STILL_ACTIVE);
  EXPECT_EQ(startHookCalls(), 1);
  EXPECT_TRUE(dialogs().empty());
}

TEST_F(HostProgramTest, StopInCapitalsOrWithAMinusStopsWithoutAsking) {
  StandinChild standin(L"");
  for (const wchar_t* word : {L"STOP", L"-stop"}) {
    auto host = startHost();
    EXPECT_EQ(run(word)->waitForExit(kStopMs), 1u) << word;
    EXPECT_EQ(host->waitForExit(kQuickMs), 0u) << word;
  }
  EXPECT_TRUE(dialogs().empty());
}

TEST_F(HostProgramTest, StopWithoutARunningHostTouchesNothing) {
  EXPECT_EQ(run(L"stop")->waitForExit(kQuickMs), 0u);
  EXPECT_FALSE(settingsKeyExists());
  writeSettingNumber(L"version", 0x01000000);  // would be wiped by a start
  createSettingsSubkey(L"alarms");
  EXPECT_EQ(run(L"-STOP")->waitForExit(kQuickMs), 0u);
  EXPECT_EQ(readSettingNumber(L"version"), 0x01000000u);
  EXPECT_TRUE(settingsSubkeyExists(L"alarms"));
  EXPECT_FALSE(readSettingText(L"ZembrikPath"));
  EXPECT_TRUE(dialogs().empty());
}

TEST_F(HostProgramTest, AnyOtherArgumentAsksBeforeStopping) {
  StandinChild standin(L"");
  auto host = startHost();
  EXPECT_EQ(run(L"")->waitForExit(kQuickMs), 1u) << "answered No";
  EXPECT_EQ(host->waitForExit(0), STILL_ACTIVE);
  SetEnvironmentVariableW(ZEMBRIK_DIALOG_ANSWER_VARIABLE, L"yes");
  EXPECT_EQ(run(L"stop now")->waitForExit(kStopMs), 1u) << "answered Yes, stopped";
  EXPECT_EQ(host->waitForExit(kQuickMs), 0u);
  const std::wstring question = L"Already running!|Stop Zembrik?|52";  // warning, Yes/No
  EXPECT_EQ(dialogs(), (std::vector<std::wstring>{question, question}));
}

// --- Settings version -------------------------------------------------------------------------

TEST_F(HostProgramTest, OldSettingsAreWipedWholeAndNewerOnesKept) {
  StandinChild standin(L"");
  const struct {
    std::optional<std::uint32_t> version;
    bool wiped;
  } cases[] = {{std::nullopt, true}, {0x01000AFF, true}, {0x01000B00, false}, {0x01002E00, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.version.value_or(0));
    deleteSettingsKey();
    if (c.version)
      writeSettingNumber(L"version", *c.version);
    writeSettingText(L"MouseButtonL", L"*c");
    createSettingsSubkey(L"alarms");
    createSettingsSubkey(L"horizontal\\deeper\\still");
    auto host = startHost();
    EXPECT_EQ(readSettingNumber(L"version"), 0x01002D00u);
    EXPECT_EQ(readSettingText(L"MouseButtonL").has_value(), !c.wiped);
    // The host creates a missing `alarms` key again, empty.
    EXPECT_EQ(subkeyKeptItsMarker(L"alarms"), !c.wiped);
    EXPECT_EQ(settingsSubkeyExists(L"horizontal\\deeper\\still"), !c.wiped);
    EXPECT_TRUE(readSettingText(L"ZembrikName"));
    terminateRunningHosts();
  }
}

// --- Shell restarts ---------------------------------------------------------------------------

TEST_F(HostProgramTest, ReattachesAfterAShellRestartWhenRestartIsOn) {
  keepSettings();
  writeSettingNumber(L"restart", 1);
  StandinChild standin(L"");
  auto host = startHost();
  const DWORD restarted = GetTickCount();
  PostMessageW(standin.taskbar(), standin::kMsgRestart, 0, 0);
  ASSERT_TRUE(waitFor([] { return startHookCalls() == 2; }, 6000));
  EXPECT_GE(GetTickCount() - restarted, 1500u) << "re-attaches after about two seconds";
  // The same shell process re-creating its taskbar again and again is not a crash loop.
  for (int i = 0; i < 3; ++i) {
    PostMessageW(findStandinTaskbar(), standin::kMsgRestart, 0, 0);
    Sleep(300);
  }
  ASSERT_TRUE(waitFor([] { return startHookCalls() == 3; }, 6000));
  EXPECT_EQ(host->waitForExit(0), STILL_ACTIVE);
}

TEST_F(HostProgramTest, EndsWithTheShellWhenRestartIsOff) {
  StandinChild standin(L"");
  auto host = startHost();
  PostMessageW(standin.taskbar(), standin::kMsgRestart, 0, 0);
  EXPECT_EQ(host->waitForExit(5000), 0u);
  EXPECT_EQ(lastHookCall(), L"endHook");
  EXPECT_EQ(startHookCalls(), 1);
}

TEST_F(HostProgramTest, GivesUpWhenNewShellProcessesKeepComing) {
  keepSettings();
  writeSettingNumber(L"restart", 1);
  StandinChild standin(L"");
  auto host = startHost();
  for (int restart = 1; restart <= 3; ++restart) {
    SCOPED_TRACE(restart);
    HWND old = findStandinTaskbar();
    const DWORD oldProcess = processOf(old);
    PostMessageW(old, standin::kMsgRestartProcess, 0, 0);
    ASSERT_TRUE(waitFor([&] {
      HWND now = findStandinTaskbar();
      return now && processOf(now) != oldProcess;
    }));
    if (restart < 3) {
      ASSERT_TRUE(waitFor([&] { return startHookCalls() == restart + 1; }, 6000));
      EXPECT_EQ(host->waitForExit(0), STILL_ACTIVE);
    }
  }
  EXPECT_EQ(host->waitForExit(5000), 0u) << "the third quick restart makes the host give up";
  EXPECT_EQ(startHookCalls(), 3);
}

TEST_F(HostProgramTest, AShownClockTheLibraryAttachedIsAttachedAfreshAndOthersAreIgnored) {
  StandinChild standin(L"--secondary=0,0,600,30");
  auto host = startHost();
  HWND hostWindow = findHostWindow();
  HWND clock = trayClockOf(standin.taskbar());
  HWND secondaryClock =
      FindWindowExA(FindWindowA("Shell_SecondaryTrayWnd", ""), nullptr, "ClockButton", nullptr);
  ASSERT_NE(secondaryClock, nullptr);
  const auto shown = [&](HWND window, LPARAM mark) {
    PostMessageW(hostWindow, MSG_CLOCK_SHOWN, reinterpret_cast<WPARAM>(window), mark);
  };
  shown(clock, 0);
  shown(standin.taskbar(), kClockShownMark);
  shown(secondaryClock, kClockShownMark);         // not reported attached
  PostMessageW(hostWindow, WM_ENDSESSION, 0, 0);  // not an ending session: nothing
  Sleep(500);
  EXPECT_EQ(startHookCalls(), 1);
  shown(clock, kClockShownMark);
  ASSERT_TRUE(waitFor([] { return startHookCalls() == 2; }, 2000)) << "the main clock";

  // A secondary clock attached while hidden and shown later.
  PostMessageW(hostWindow, MSG_CLOCK_ATTACHED, reinterpret_cast<WPARAM>(secondaryClock), 0);
  shown(secondaryClock, kClockShownMark);
  EXPECT_TRUE(waitFor([] { return startHookCalls() == 3; }, 2000)) << "a secondary clock";
  // The fresh attachment forgot the clocks of the previous one until they are reported again.
  shown(secondaryClock, kClockShownMark);
  Sleep(500);
  EXPECT_EQ(startHookCalls(), 3);
  EXPECT_EQ(host->waitForExit(0), STILL_ACTIVE);
}

// --- Failures reported by the hook library ----------------------------------------------------

TEST_F(HostProgramTest, AFailedFirstAttachIsReportedAndEndsWithFailure) {
  StandinChild standin(L"");
  SetEnvironmentVariableW(ZEMBRIK_HOOK_START_VARIABLE, L"fail:5");
  EXPECT_EQ(run(L"")->waitForExit(10000), 1u);
  EXPECT_EQ(dialogs(), std::vector<std::wstring>{L"Error|failed to start Zembrik: 5|48"});
}

TEST_F(HostProgramTest, ALaterStartFailureClosesTheHost) {
  StandinChild standin(L"");
  auto host = startHost();
  PostMessageW(findHostWindow(), MSG_START_FAILED, 0, 3);
  EXPECT_EQ(host->waitForExit(5000), 0u);
  EXPECT_EQ(dialogs(), std::vector<std::wstring>{L"Error|failed to start Zembrik: 3|48"});
  EXPECT_EQ(lastHookCall(), L"endHook");
}

// --- Exit from the menu -----------------------------------------------------------------------

TEST_F(HostProgramTest, ExitAsksWithTheProgramPathAndStopsOnYes) {
  StandinChild standin(L"");
  auto host = startHost();
  PostMessageW(findHostWindow(), WM_COMMAND, 110, 0);
  ASSERT_TRUE(waitFor([] { return !dialogs().empty(); }, 3000));
  const std::wstring prefix =
      L"Exit Zembrik?|Do you want to exit Zembrik? Program was started from:\\n";
  const std::wstring question = dialogs().front();
  ASSERT_EQ(question.rfind(prefix, 0), 0u) << question;
  const std::wstring path = question.substr(prefix.size(), question.rfind(L'|') - prefix.size());
  EXPECT_TRUE(samePath(path, SEAM_HOST_EXE)) << path;
  EXPECT_EQ(question.substr(question.rfind(L'|')), L"|36");  // question icon, Yes/No
  EXPECT_EQ(host->waitForExit(500), STILL_ACTIVE) << "answered No";

  terminateRunningHosts();
  SetEnvironmentVariableW(ZEMBRIK_DIALOG_ANSWER_VARIABLE, L"yes");
  auto second = startHost();
  PostMessageW(findHostWindow(), WM_COMMAND, 110, 0);
  EXPECT_EQ(second->waitForExit(5000), 0u);
  EXPECT_EQ(lastHookCall(), L"endHook");
}

// --- The 32-bit build on 64-bit Windows -------------------------------------------------------

class Host32OnWow64Test : public HostProgramTest {
 protected:
  Host32OnWow64Test() { allowedUnderWow64_ = true; }
};

TEST_F(Host32OnWow64Test, RefusesAfterFindingTheClockAndBeforeTouchingTheRegistry) {
  if (sizeof(void*) != 4 || !runsUnderWow64())
    GTEST_SKIP() << "the 32-bit host on 64-bit Windows";
  EXPECT_EQ(run(L"")->waitForExit(10000), 1u);
  StandinChild standin(L"");
  EXPECT_EQ(run(L"")->waitForExit(10000), 1u);
  EXPECT_EQ(dialogs(),
            (std::vector<std::wstring>{L"Error|Can't replace Tray Clock|48",
                                       L"Error|Can't run on 64 bit OS, please use Zembrik64|48"}));
  EXPECT_FALSE(settingsKeyExists());
  EXPECT_EQ(run(L"stop")->waitForExit(kQuickMs), 0u);
}

}  // namespace
}  // namespace zembrik::testing
