// End to end under Wine: the hook library attached to the stand-in taskbar (this test plays the
// host), and a text typed on the Clock page reaches the clock the stand-in lays out.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "grid/grid_messages.h"
#include "hook/hook_exports.h"
#include "options/page_clock_ids.h"
#include "options/page_general_ids.h"
#include "platform/win32/registry_win32.h"
#include "tests/hook/hook_test_driver.h"
#include "tests/options/options_harness_win32.h"

namespace zembrik::testing {
namespace {

int clockWidth(const StandinTaskbar& bar) {
  RECT rect = bar.clockRect();
  return rect.right - rect.left;
}

std::string fileText(const std::wstring& path) {
  std::string text;
  if (FILE* in = _wfopen(path.c_str(), L"rb")) {
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof(buffer), in)) > 0) text.append(buffer, read);
    std::fclose(in);
  }
  return text;
}

// The stand-in's CPU time as Linux accounts it, in clock ticks (user + system of /proc/<pid>/stat):
// under Wine GetProcessTimes answers for the calling process. The stand-in is the newest process
// running standin_taskbar.exe in this Wine prefix; -1 when none is found.
long long standinCpuTicks() {
  wchar_t prefix[MAX_PATH] = {};
  GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH);
  std::string prefixBytes(prefix, prefix + wcslen(prefix));
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
  if (search == INVALID_HANDLE_VALUE)
    return -1;
  long long ticks = -1, newestStart = -1;
  do {
    if (found.cFileName[0] < L'0' || found.cFileName[0] > L'9')
      continue;
    const std::wstring dir = std::wstring(L"Z:\\proc\\") + found.cFileName + L"\\";
    if (fileText(dir + L"cmdline").find("standin_taskbar.exe") == std::string::npos)
      continue;
    if (!prefixBytes.empty() &&
        fileText(dir + L"environ").find("WINEPREFIX=" + prefixBytes) == std::string::npos)
      continue;
    const std::string stat = fileText(dir + L"stat");
    const std::size_t afterName = stat.rfind(')');
    if (afterName == std::string::npos)
      continue;
    // Fields from the third on: state is field 3, utime 14, stime 15, starttime 22.
    long long field[23] = {};
    const char* cursor = stat.c_str() + afterName + 2;
    for (int i = 3; i <= 22 && *cursor; ++i) {
      char* end = nullptr;
      field[i] = i == 3 ? 0 : std::strtoll(cursor, &end, 10);
      cursor = std::strchr(cursor, ' ');
      if (!cursor)
        break;
      ++cursor;
    }
    if (field[22] > newestStart) {
      newestStart = field[22];
      ticks = field[14] + field[15];
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return ticks;
}

TEST(PageClockEndToEnd, ALongerTextWidensTheClockWithinTwoSeconds) {
  resetSettings();
  {
    auto set =
        openTestSettings()->createSubkey(u"horizontal", kKeyReadWrite, KeyLifetime::Persistent);
    ASSERT_TRUE(set);
    writeNumber(*set.key, u"nColumns", 1);
    writeNumber(*set.key, u"nRows", 1);
    writeText(*set.key, u"cell_0_0", u",,6,4,,,:HH:mm");
    writeText(*set.key, u"font_0_0", u"12,700,:Arial");
  }
  StandinTaskbar bar;
  ASSERT_TRUE(bar.running());
  TestHostWindow host;
  ASSERT_TRUE(startHook(host.window()));
  ASSERT_TRUE(pumpUntil([&] { return host.count(MSG_CLOCK_ATTACHED) > 0; }, 5000));
  pumpFor(500);
  const int before = clockWidth(bar);

  {
    OptionsHarness options;
    options.showPage(kClockPage);
    SendMessageW(options.control(kClockPage, IDC_CLOCK_GRID), grid::GRIDM_CLICKCELL,
                 grid::gridCell(1, 1), 0);
    ASSERT_EQ(windowText(options.control(kClockPage, IDC_CELL_TEXT)), L"HH:mm");
    DWORD typed = GetTickCount();
    options.setText(kClockPage, IDC_CELL_TEXT, L"HH:mm:ss");
    bool widened = pumpUntil([&] { return clockWidth(bar) > before; }, 2000);
    EXPECT_TRUE(widened) << "width stayed " << before;
    RecordProperty("widened_after_ms", static_cast<int>(GetTickCount() - typed));
    EXPECT_GT(host.count(MSG_RELOAD), 0);
  }
  endHook();
  resetSettings();
}

// Typing a 40-character tooltip at a brisk pace, one keystroke every 50 ms: what the shell
// spends on the reloads the General page sends. Every notification of the tooltip's scope goes to
// the host and to the stand-in's clock alike; the clock's procedure is the hook library's then,
// which takes MSG_RELOAD itself, so they are counted at the host double.
TEST(PageGeneralEndToEnd, TypingATooltipReloadsTheShellAtMostFourTimesASecond) {
  resetSettings();
  StandinTaskbar bar;
  ASSERT_TRUE(bar.running());
  TestHostWindow host;
  ASSERT_TRUE(startHook(host.window()));
  ASSERT_TRUE(pumpUntil([&] { return host.count(MSG_CLOCK_ATTACHED) > 0; }, 5000));
  {
    OptionsHarness options;
    options.showPage(kGeneralPage);
    pumpFor(500);
    // The stand-in's own cost over as long a time without typing, to compare with.
    const long long idleBefore = standinCpuTicks();
    pumpFor(3000);
    const long long idleMs = (standinCpuTicks() - idleBefore) * 10;
    host.clear();
    const long long ticksBefore = standinCpuTicks();
    const std::wstring tooltip = L"Zembrik: the clock of the taskbar, typed";
    ASSERT_EQ(tooltip.size(), 40u);
    DWORD started = GetTickCount();
    for (std::size_t typed = 1; typed <= tooltip.size(); ++typed) {
      options.setText(kGeneralPage, IDC_CUSTOM_TOOLTIP, tooltip.substr(0, typed));
      pumpFor(50);
    }
    const DWORD typingMs = GetTickCount() - started;
    pumpFor(1000);
    const long long ticksAfter = standinCpuTicks();
    const int reloads = host.count(MSG_RELOAD);
    std::printf(
        "[typing] 40 keystrokes in %lu ms: %d reloads, stand-in CPU %lld ms over "
        "%lu ms (%lld ms without typing)\n",
        static_cast<unsigned long>(typingMs), reloads,
        ticksBefore < 0 || ticksAfter < 0 ? -1 : (ticksAfter - ticksBefore) * 10,
        static_cast<unsigned long>(typingMs + 1000), idleMs);
    RecordProperty("reloads", reloads);
    RecordProperty("standin_cpu_ms", static_cast<int>((ticksAfter - ticksBefore) * 10));
    // At most one a quarter second, and one after the last keystroke.
    EXPECT_GE(reloads, 2);
    EXPECT_LE(reloads, static_cast<int>(typingMs / 250) + 2);
  }
  endHook();
  resetSettings();
}

// Which windows each General page control tells to reload, counted at the host double and at
// the stand-in's three clocks (no hook library: the stand-in's own procedures count).
TEST(PageGeneralScopes, EachControlReloadsTheWindowsOfItsScope) {
  resetSettings();
  StandinTaskbar bar(L"--secondary=0,0,600,30 --secondary=600,0,1200,30");
  ASSERT_TRUE(bar.running());
  {
    // What the hook library writes for running secondary clocks.
    auto user = openCurrentUserRoot();
    auto self =
        createKeyWithPersistentParents(*user, kThisKeyPath, kKeyReadWrite, KeyLifetime::Volatile);
    ASSERT_TRUE(self);
    for (int clock : {1, 2}) {
      const std::u16string n = clock == 1 ? u"1" : u"2";
      writeNumber(*self.key, u"hwndLo_" + n, HandleToULong(bar.clock(clock)));
      writeNumber(*self.key, u"hwndHi_" + n, 0);
    }
  }
  TestHostWindow host;
  OptionsHarness options;
  options.showPage(kGeneralPage);
  options.pumpMessages(300);
  auto slide = [&](int id, int position) {
    HWND slider = options.control(kGeneralPage, id);
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    SendMessageW(GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                 reinterpret_cast<LPARAM>(slider));
  };
  struct Case {
    const char* control;
    std::function<void()> change;
    int host, main, first, second;
  };
  const Case cases[] = {
      {"week starts on Monday", [&] { options.click(kGeneralPage, IDC_WEEK_STARTS_MONDAY); }, 1, 1,
       1, 1},
      {"custom tooltip", [&] { options.setText(kGeneralPage, IDC_CUSTOM_TOOLTIP, L"%H"); }, 1, 1, 1,
       1},
      {"taskbar transparency", [&] { slide(IDC_TASKBAR_TRANSPARENCY, 30); }, 1, 1, 1, 1},
      {"calendar transparency", [&] { slide(IDC_CALENDAR_TRANSPARENCY, 30); }, 1, 0, 0, 0},
      {"weekday place (the edited set's clock)",
       [&] { options.selectComboItem(kGeneralPage, IDC_WEEKDAY_PLACE, 2); }, 1, 1, 0, 0},
      {"hide show desktop (read at start)",
       [&] { options.click(kGeneralPage, IDC_HIDE_SHOW_DESKTOP); }, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    ASSERT_TRUE(bar.resetClockMessageCounts());
    host.clear();
    c.change();
    options.pumpMessages(400);
    std::printf("[scope] %-40s host %d, clocks %d %d %d\n", c.control, host.count(MSG_RELOAD),
                bar.clockMessageCount(0, MSG_RELOAD), bar.clockMessageCount(1, MSG_RELOAD),
                bar.clockMessageCount(2, MSG_RELOAD));
    EXPECT_EQ(host.count(MSG_RELOAD), c.host);
    EXPECT_EQ(bar.clockMessageCount(0, MSG_RELOAD), c.main);
    EXPECT_EQ(bar.clockMessageCount(1, MSG_RELOAD), c.first);
    EXPECT_EQ(bar.clockMessageCount(2, MSG_RELOAD), c.second);
  }
  resetSettings();
}

}  // namespace
}  // namespace zembrik::testing
