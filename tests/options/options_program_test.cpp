// ZembrikOptions.exe as a user meets it, from outside: one instance, "***", the first page, the
// title and what it does to old settings.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "engine/registry/registry_access.h"
#include "options/base_tab_ids.h"
#include "tests/options/options_child_win32.h"
#include "tests/options/options_harness_win32.h"

namespace zembrik::testing {
namespace {

class OptionsProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetSettings();
    ASSERT_TRUE(optionsWindows().empty()) << "an options window was left open";
  }
  void TearDown() override { resetSettings(); }
};

// The visible page, seen from outside: the selected header, and whether the page showing has
// the clock-set controls (only Clock and PerfMeter do).
struct VisiblePage {
  LRESULT header = -1;
  int visiblePages = 0;
  bool hasClockSetCombo = false;
};

VisiblePage visiblePageOf(HWND window) {
  VisiblePage seen;
  seen.header = SendMessageW(GetDlgItem(window, 1002), TCM_GETCURSEL, 0, 0);
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == 1002 || !IsWindowVisible(child))
      continue;
    ++seen.visiblePages;
    seen.hasClockSetCombo = GetDlgItem(child, IDC_CLOCK_SET_COMBO) != nullptr;
  }
  return seen;
}

TEST_F(OptionsProgramTest, SecondStartBringsTheFirstWindowToTheFrontAndExitsZero) {
  OptionsChild first(L"");
  const HWND window = first.waitForWindow();
  ASSERT_NE(window, nullptr);
  // Something else in front: a window of the test.
  UniqueWindow other(CreateWindowExW(0, L"Static", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                                     nullptr, nullptr, nullptr, nullptr));
  SetForegroundWindow(other.get());
  pumpFor(200);
  ASSERT_NE(GetForegroundWindow(), window);

  OptionsChild second(L"");
  EXPECT_EQ(second.waitForExit(20000), 0u);
  pumpFor(500);
  EXPECT_EQ(optionsWindows().size(), 1u);
  EXPECT_EQ(GetForegroundWindow(), window);
}

TEST_F(OptionsProgramTest, ThreeStarsOpenASecondWindow) {
  OptionsChild first(L"");
  ASSERT_NE(first.waitForWindow(), nullptr);
  OptionsChild second(L"  ***");
  EXPECT_NE(second.waitForWindow(), nullptr);
  EXPECT_EQ(optionsWindows().size(), 2u);
  EXPECT_EQ(second.waitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
}

TEST_F(OptionsProgramTest, TheCommandWordChoosesTheVisiblePage) {
  const struct {
    const wchar_t* word;
    LRESULT header;
    bool clockSetCombo;
  } cases[] = {{L" clock", 2, true}, {L"Alarms", 3, false}, {L"unknown", 0, false}};
  for (const auto& each : cases) {
    SCOPED_TRACE(each.word);
    OptionsChild program(each.word);
    const HWND window = program.waitForWindow();
    ASSERT_NE(window, nullptr);
    const auto seen = visiblePageOf(window);
    EXPECT_EQ(seen.header, each.header);
    EXPECT_EQ(seen.visiblePages, 1);
    EXPECT_EQ(seen.hasClockSetCombo, each.clockSetCombo);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(10000), 0u);
  }
}

TEST_F(OptionsProgramTest, OldSettingsAreWipedAndReadableOnesKeptUnwrittenWithTheirTitle) {
  const struct {
    std::optional<std::uint32_t> version;
    bool kept;
    std::uint32_t versionAfter;
    const wchar_t* title;
  } cases[] = {
      {std::nullopt, false, 0x01002D00, L"Zembrik 1.45"},
      {0x01000AFF, false, 0x01002D00, L"Zembrik 1.45"},
      {0x01000B00, true, 0x01000B00, L"Zembrik 1.11; Quarrow  1.45"},
      {0x01003201, true, 0x01003201, L"Zembrik 1.50.1; Quarrow  1.45"},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.versionAfter);
    resetSettings(each.version);
    auto settings = openTestSettings();
    writeText(*settings, u"MouseButtonL", u"notepad.exe");
    auto alarms = settings->createSubkey(u"alarms\\1", kKeyReadWrite, KeyLifetime::Persistent);
    writeText(*alarms.key, u"name", u"Tea");
    alarms.key.reset();
    settings.reset();

    OptionsChild program(L"");
    const HWND window = program.waitForWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(windowText(window), each.title);
    settings = openTestSettings();
    EXPECT_EQ(readNumber(*settings, u"version"), each.versionAfter);
    EXPECT_EQ(readText(*settings, u"MouseButtonL").has_value(), each.kept);
    EXPECT_EQ(bool(settings->openSubkey(u"alarms\\1", kKeyRead)), each.kept);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(10000), 0u);
  }
}

std::uint64_t cpuMilliseconds(HANDLE process) {
  FILETIME created{}, ended{}, kernel{}, user{};
  GetProcessTimes(process, &created, &ended, &kernel, &user);
  const auto ticks = [](const FILETIME& time) {
    return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
  };
  return (ticks(kernel) + ticks(user)) / 10000;  // 100 ns units
}

// A measurement, not a test: run with --gtest_also_run_disabled_tests. Start to the first
// painted window (visible and idle after its first paint), and the processor time Wine reports
// for the program over 60 idle seconds on the Clock page. Wine's figure for another process
// reads far higher than Linux's accounting of that process (scripts/options_idle_cpu).
TEST_F(OptionsProgramTest, DISABLED_MeasureStartAndIdleProcessorTime) {
  LARGE_INTEGER frequency{}, started{}, painted{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&started);
  // ZEMBRIK_MEASURE_PAGE names another page to compare with.
  wchar_t page[64] = L"Clock";
  GetEnvironmentVariableW(L"ZEMBRIK_MEASURE_PAGE", page, 64);
  OptionsChild program(page);
  const HWND window = program.waitForWindow();
  ASSERT_NE(window, nullptr);
  WaitForInputIdle(program.process(), 10000);
  QueryPerformanceCounter(&painted);
  const double startMs =
      1000.0 * double(painted.QuadPart - started.QuadPart) / double(frequency.QuadPart);

  pumpFor(2000);
  const auto before = cpuMilliseconds(program.process());
  pumpFor(60000);
  const auto idleMs = cpuMilliseconds(program.process()) - before;
  std::printf("start to first painted window: %.0f ms\n", startMs);
  std::printf("processor time over 60 idle s on the %ls page: %llu ms\n", page,
              static_cast<unsigned long long>(idleMs));
  RecordProperty("start_ms", static_cast<int>(startMs));
  RecordProperty("idle_cpu_ms", static_cast<int>(idleMs));
}

}  // namespace
}  // namespace zembrik::testing
