// The calendar popup in the host built for the tests, under Wine against the stand-in taskbar:
// where it opens, what hides and moves it, its caption as the user pages, its window styles, and
// that it writes nothing to the settings.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine/protocol/window_messages.h"
#include "tests/host_integration/host_program_fixture.h"

namespace zembrik::testing {
namespace {

struct CalendarSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK findDialogOf(HWND window, LPARAM search) {
  auto* s = reinterpret_cast<CalendarSearch*>(search);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) == L"#32770" && processOf(window) == s->process) {
    s->found = window;
    return FALSE;
  }
  return TRUE;
}

// The host's calendar: its only dialog.
HWND findCalendar() {
  HWND host = findHostWindow();
  if (!host)
    return nullptr;
  CalendarSearch search{processOf(host), nullptr};
  EnumWindows(findDialogOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring captionOf(HWND window) {
  wchar_t text[128] = {};
  GetWindowTextW(window, text, 128);
  return text;
}

std::wstring describe(const RECT& r) {
  return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L" - " +
         std::to_wstring(r.right) + L"," + std::to_wstring(r.bottom);
}

// Every value of the settings key with its data, to see that nothing was written.
std::map<std::wstring, std::vector<BYTE>> settingsSnapshot() {
  std::map<std::wstring, std::vector<BYTE>> values;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\OBR\\Zembrik", 0, KEY_READ, &key) != 0)
    return values;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameLength = 256;
    BYTE data[2048];
    DWORD dataLength = sizeof(data);
    DWORD type = 0;
    if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &dataLength) != 0)
      break;
    values[name].assign(data, data + dataLength);
  }
  RegCloseKey(key);
  return values;
}

class HostCalendarTest : public HostProgramTest {
 protected:
  void SetUp() override {
    HostProgramTest::SetUp();
    if (IsSkipped())
      return;
    keepSettings();
    writeSettingText(L"MouseButtonL", L"*c");
    todayFile_ = scratchFolder() + L"calendar_today.txt";
    setToday("2024-03-15");
    SetEnvironmentVariableW(ZEMBRIK_TODAY_FILE_VARIABLE, todayFile_.c_str());
  }
  void TearDown() override {
    HostProgramTest::TearDown();
    standin_.reset();
    SetEnvironmentVariableW(ZEMBRIK_TODAY_FILE_VARIABLE, nullptr);
    DeleteFileW(todayFile_.c_str());
  }

  void setToday(const char* date) {
    FILE* file = _wfopen(todayFile_.c_str(), L"w");
    ASSERT_NE(file, nullptr);
    std::fputs(date, file);
    std::fclose(file);
  }

  void startStandin(const std::wstring& arguments) {
    standin_.reset();
    standin_ = std::make_unique<StandinChild>(arguments);
    ASSERT_NE(standin_->taskbar(), nullptr);
  }

  // A click with the "*c" action, optionally on the clock of another taskbar; returns the
  // calendar once its visibility is `visible`.
  static HWND click(bool visible, HWND clock = nullptr, HWND taskbar = nullptr) {
    HWND host = findHostWindow();
    if (clock)
      PostMessageW(host, MSG_CLOCK_CLICKED, reinterpret_cast<WPARAM>(clock),
                   reinterpret_cast<LPARAM>(taskbar));
    PostMessageW(host, WM_LBUTTONUP, 0, 0);
    HWND calendar = nullptr;
    waitFor(
        [&] {
          calendar = findCalendar();
          return calendar && (IsWindowVisible(calendar) != FALSE) == visible;
        },
        kQuickMs);
    return calendar;
  }

  // Presses a calendar button and waits for the caption to change from `before`.
  static std::wstring press(HWND calendar, int id) {
    const std::wstring before = captionOf(calendar);
    SendMessageW(GetDlgItem(calendar, id), BM_CLICK, 0, 0);
    waitFor([&] { return captionOf(calendar) != before; }, 1000);
    return captionOf(calendar);
  }

  static std::wstring wheel(HWND target, int delta, HWND calendar) {
    const std::wstring before = captionOf(calendar);
    PostMessageW(target, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    waitFor([&] { return captionOf(calendar) != before; }, 1000);
    return captionOf(calendar);
  }

  std::unique_ptr<StandinChild> standin_;
  std::wstring todayFile_;
};

TEST_F(HostCalendarTest, OpensBesideEachTaskbarOnTheClocksSideAndASecondClickHides) {
  for (const wchar_t* edge : {L"bottom", L"top", L"left", L"right"}) {
    SCOPED_TRACE(edge);
    startStandin(std::wstring(L"--edge=") + edge);
    auto host = startHost();
    const RECT bar = standin::testing::windowRect(standin_->taskbar());
    const RECT clock = standin::testing::windowRect(trayClockOf(standin_->taskbar()));
    HWND calendar = click(true);
    ASSERT_NE(calendar, nullptr);
    RECT at{};
    GetWindowRect(calendar, &at);
    std::wprintf(L"%ls taskbar %ls, clock %ls: calendar %ls\n", edge, describe(bar).c_str(),
                 describe(clock).c_str(), describe(at).c_str());
    const std::wstring e = edge;
    const bool horizontal = e == L"bottom" || e == L"top";
    // Across: touching the taskbar on the screen's side of it.
    const LONG across = e == L"bottom" ? at.bottom - bar.top
                        : e == L"top"  ? at.top - bar.bottom
                        : e == L"left" ? at.left - bar.right
                                       : at.right - bar.left;
    EXPECT_EQ(across, 0);
    // Along: flush with the taskbar's end nearer the clock.
    if (horizontal) {
      const bool clockRight = bar.right - clock.right < clock.left - bar.left;
      EXPECT_EQ(clockRight ? at.right : at.left, clockRight ? bar.right : bar.left);
    } else {
      const bool clockBottom = bar.bottom - clock.bottom < clock.top - bar.top;
      EXPECT_EQ(clockBottom ? at.bottom : at.top, clockBottom ? bar.bottom : bar.top);
    }
    EXPECT_TRUE(GetWindowLongW(calendar, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongW(calendar, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetParent(calendar), nullptr);
    ASSERT_NE(click(false), nullptr);
    EXPECT_FALSE(IsWindowVisible(calendar));
    terminateRunningHosts();
  }
}

TEST_F(HostCalendarTest, AClickOnAnotherTaskbarsClockMovesItThereAndOnTheSameOneHides) {
  startStandin(L"--secondary=100,0,900,30");
  HWND secondary = FindWindowW(L"Shell_SecondaryTrayWnd", nullptr);
  ASSERT_NE(secondary, nullptr);
  HWND secondaryClock = FindWindowExW(secondary, nullptr, L"ClockButton", nullptr);
  ASSERT_NE(secondaryClock, nullptr);
  auto host = startHost();
  HWND main = standin_->taskbar();
  HWND mainClock = trayClockOf(main);

  HWND calendar = click(true, mainClock, main);
  ASSERT_NE(calendar, nullptr);
  RECT onMain{};
  GetWindowRect(calendar, &onMain);
  // Visible on the main taskbar: a click on the secondary clock moves it, not hides it.
  PostMessageW(findHostWindow(), MSG_CLOCK_CLICKED, reinterpret_cast<WPARAM>(secondaryClock),
               reinterpret_cast<LPARAM>(secondary));
  PostMessageW(findHostWindow(), WM_LBUTTONUP, 0, 0);
  RECT onSecondary{};
  ASSERT_TRUE(waitFor(
      [&] {
        GetWindowRect(calendar, &onSecondary);
        return !EqualRect(&onSecondary, &onMain);
      },
      kQuickMs));
  EXPECT_TRUE(IsWindowVisible(calendar));
  const RECT bar = standin::testing::windowRect(secondary);
  std::wprintf(L"secondary taskbar %ls, clock %ls: calendar %ls (main: %ls)\n",
               describe(bar).c_str(),
               describe(standin::testing::windowRect(secondaryClock)).c_str(),
               describe(onSecondary).c_str(), describe(onMain).c_str());
  EXPECT_EQ(onSecondary.top, bar.bottom);
  EXPECT_EQ(onSecondary.right, bar.right);
  // The same taskbar's clock again hides it; a click with no taskbar named hides it too.
  EXPECT_NE(click(false, secondaryClock, secondary), nullptr);
  EXPECT_NE(click(true, mainClock, main), nullptr);
  EXPECT_NE(click(false), nullptr);
}

TEST_F(HostCalendarTest, CaptionFollowsTheButtonsTheWheelAndTheKeys) {
  startStandin(L"");
  auto host = startHost();
  const auto settingsBefore = settingsSnapshot();
  HWND calendar = click(true);
  ASSERT_NE(calendar, nullptr);
  std::vector<std::wstring> captions{captionOf(calendar)};
  captions.push_back(press(calendar, 1005));                    // <
  captions.push_back(press(calendar, 1006));                    // >
  captions.push_back(press(calendar, 1002));                    // <<
  captions.push_back(press(calendar, 1004));                    // >>
  captions.push_back(press(calendar, 1004));                    // >>
  captions.push_back(wheel(calendar, 120, calendar));           // wheel up: a month back
  captions.push_back(wheel(findHostWindow(), -120, calendar));  // on the clock: forward
  captions.push_back(press(calendar, 1007));                    // !
  for (const auto& caption : captions) std::wprintf(L"caption: %ls\n", caption.c_str());
  EXPECT_EQ(captions,
            (std::vector<std::wstring>{L"March - 2024", L"February - 2024", L"March - 2024",
                                       L"March - 2023", L"March - 2024", L"March - 2025",
                                       L"February - 2025", L"March - 2025", L"March - 2024"}));

  // The title bar's own clicks page by years.
  PostMessageW(calendar, WM_NCRBUTTONDBLCLK, HTCAPTION, 0);
  EXPECT_TRUE(waitFor([&] { return captionOf(calendar) == L"March - 2023"; }, 1000));
  PostMessageW(calendar, WM_NCMBUTTONDOWN, HTCAPTION, 0);
  EXPECT_TRUE(waitFor([&] { return captionOf(calendar) == L"March - 2024"; }, 1000));

  // A new day keeps the month on show.
  press(calendar, 1005);
  setToday("2024-03-16");
  PostMessageW(findHostWindow(), WM_TIMECHANGE, 0, 0);
  Sleep(300);
  EXPECT_EQ(captionOf(calendar), L"February - 2024");

  // The keys go through the dialog: Enter runs "!", Esc hides.
  HWND focused = GetDlgItem(calendar, 1007);
  PostMessageW(focused, WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_TRUE(waitFor([&] { return captionOf(calendar) == L"March - 2024"; }, 1000));
  PostMessageW(focused, WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_TRUE(waitFor([&] { return !IsWindowVisible(calendar); }, 1000));
  EXPECT_EQ(settingsSnapshot(), settingsBefore);
}

TEST_F(HostCalendarTest, YearsStopAtTheEndsOfTheRange) {
  setToday("1601-01-10");
  startStandin(L"");
  auto host = startHost();
  HWND calendar = click(true);
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(captionOf(calendar), L"January - 1601");
  SendMessageW(GetDlgItem(calendar, 1005), BM_CLICK, 0, 0);
  SendMessageW(GetDlgItem(calendar, 1002), BM_CLICK, 0, 0);
  EXPECT_EQ(captionOf(calendar), L"January - 1601");
  setToday("9999-12-10");
  SendMessageW(GetDlgItem(calendar, 1007), BM_CLICK, 0, 0);
  SendMessageW(GetDlgItem(calendar, 1006), BM_CLICK, 0, 0);
  SendMessageW(GetDlgItem(calendar, 1004), BM_CLICK, 0, 0);
  EXPECT_EQ(captionOf(calendar), L"December - 9999");
  // TodayCalendar -1 (the default): reopened on the month the user left it at.
  setToday("2024-03-15");
  ASSERT_NE(click(false), nullptr);
  ASSERT_NE(click(true), nullptr);
  EXPECT_EQ(captionOf(calendar), L"December - 9999");
}

TEST_F(HostCalendarTest, ADragIsKeptOnReopeningBesideTheSameTaskbar) {
  writeSettingNumber(L"TodayCalendar", 0);
  startStandin(L"");
  auto host = startHost();
  HWND calendar = click(true);
  ASSERT_NE(calendar, nullptr);
  RECT placed{};
  GetWindowRect(calendar, &placed);
  SetWindowPos(calendar, nullptr, placed.left - 50, placed.top - 40, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_NE(click(false), nullptr);
  SendMessageW(GetDlgItem(calendar, 1005), BM_CLICK, 0, 0);  // hidden: still pages
  ASSERT_NE(click(true), nullptr);
  RECT reopened{};
  GetWindowRect(calendar, &reopened);
  EXPECT_EQ(reopened.left, placed.left - 50);
  EXPECT_EQ(reopened.top, placed.top - 40);
  // TodayCalendar 0: reopened on today's month.
  EXPECT_EQ(captionOf(calendar), L"March - 2024");
}

TEST_F(HostCalendarTest, TransparencyAndTopmostFromTheSettings) {
  writeSettingNumber(L"transparentCalendar", 50);
  writeSettingNumber(L"topCalendar", 0);
  startStandin(L"");
  auto host = startHost();
  HWND calendar = click(true);
  ASSERT_NE(calendar, nullptr);
  // Brought to the front as a topmost window, then made an ordinary one at once.
  EXPECT_TRUE(
      waitFor([&] { return !(GetWindowLongW(calendar, GWL_EXSTYLE) & WS_EX_TOPMOST); }, 1000));
  const struct {
    std::uint32_t percent;
    bool layered;
    BYTE opacity;
  } steps[] = {{50, true, 128}, {101, true, 128}, {100, true, 0}, {0, false, 0}};
  for (const auto& step : steps) {
    writeSettingNumber(L"transparentCalendar", step.percent);
    PostMessageW(findHostWindow(), MSG_RELOAD, 0, 0);
    Sleep(300);
    const bool layered = (GetWindowLongW(calendar, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    EXPECT_EQ(layered, step.layered) << step.percent;
    BYTE opacity = 0;
    DWORD flags = 0;
    if (layered && GetLayeredWindowAttributes(calendar, nullptr, &opacity, &flags)) {
      EXPECT_EQ(opacity, step.opacity) << step.percent;
    }
  }
}

TEST_F(HostCalendarTest, UnusableAndHugeFontsLeaveTheCalendarWorking) {
  startStandin(L"");
  auto host = startHost();
  HWND calendar = click(true);
  ASSERT_NE(calendar, nullptr);
  RECT normal{};
  GetWindowRect(calendar, &normal);
  const struct {
    const wchar_t* font;
    bool capped;
  } fonts[] = {{L"12,400,,:No Such Face At All", false},
               {L"garbage", false},
               {L"3000,400,,:Liberation Sans", true},
               {L"", false}};
  for (const auto& f : fonts) {
    writeSettingText(L"CalendarFont", f.font);
    PostMessageW(findHostWindow(), MSG_RELOAD, 0, 0);
    Sleep(400);
    ASSERT_TRUE(IsWindowVisible(calendar)) << f.font;
    RECT now{};
    GetWindowRect(calendar, &now);
    std::wprintf(L"font \"%ls\": calendar %ls\n", f.font, describe(now).c_str());
    // A huge font grows the window only up to the largest picture; the buttons still page.
    EXPECT_LE(now.right - now.left, 2048 + 64) << f.font;
    EXPECT_LE(now.bottom - now.top, 2048 + 128) << f.font;
    if (f.capped) {
      EXPECT_GT(now.right - now.left, 1000) << f.font;
    }
    EXPECT_EQ(press(calendar, 1005), L"February - 2024") << f.font;
    EXPECT_EQ(press(calendar, 1006), L"March - 2024") << f.font;
  }
  RECT back{};
  GetWindowRect(calendar, &back);
  EXPECT_EQ(back.right - back.left, normal.right - normal.left);
}

// The host's user and kernel CPU time so far, in milliseconds.
double hostCpuMs() {
  HANDLE process =
      OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processOf(findHostWindow()));
  if (!process)
    return -1;
  FILETIME created, exited, kernel, user;
  const BOOL read = GetProcessTimes(process, &created, &exited, &kernel, &user);
  CloseHandle(process);
  if (!read)
    return -1;
  auto ms = [](const FILETIME& t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) /
           10'000.0;
  };
  return ms(kernel) + ms(user);
}

// A measurement, not a check (two idle minutes): run with --gtest_also_run_disabled_tests.
TEST_F(HostCalendarTest, DISABLED_IdleCpuWithTheCalendarOpenAndClosed) {
  startStandin(L"");
  auto host = startHost();
  const DWORD idleMs = 60'000;
  for (bool open : {false, true}) {
    if (open) {
      ASSERT_NE(click(true), nullptr);
    }
    Sleep(1000);
    const double before = hostCpuMs();
    Sleep(idleMs);
    std::wprintf(L"host CPU over %lu idle seconds, calendar %ls: %.1f ms\n", idleMs / 1000,
                 open ? L"open" : L"closed", hostCpuMs() - before);
  }
}

// Writes the screen around the calendar, open above the stand-in's clock, as a 24-bit BMP to
// the file named by ZEMBRIK_CALENDAR_SHOT (scripts/calendar_screenshot turns it into a PNG).
TEST_F(HostCalendarTest, DISABLED_Screenshot) {
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"ZEMBRIK_CALENDAR_SHOT", path, MAX_PATH)) {
    GTEST_SKIP() << "ZEMBRIK_CALENDAR_SHOT names no file";
  }
  writeSettingNumber(L"CalendarWeeks", 5);
  startStandin(L"");
  auto host = startHost();
  HWND calendar = click(true);
  ASSERT_NE(calendar, nullptr);
  Sleep(1500);  // let the window and the taskbar paint
  RECT at{};
  GetWindowRect(calendar, &at);
  const RECT bar = standin::testing::windowRect(standin_->taskbar());
  const RECT shot{at.left - 40, at.top - 10, bar.right, bar.bottom};
  const int width = shot.right - shot.left;
  const int height = shot.bottom - shot.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(bitmap, nullptr);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, shot.left, shot.top, SRCCOPY);
  GdiFlush();
  const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
  file.bfSize = file.bfOffBits + stride * static_cast<DWORD>(height);
  FILE* out = _wfopen(path, L"wb");
  ASSERT_NE(out, nullptr);
  std::fwrite(&file, sizeof(file), 1, out);
  std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out);
  std::fwrite(bits, stride * static_cast<DWORD>(height), 1, out);
  std::fclose(out);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace zembrik::testing
