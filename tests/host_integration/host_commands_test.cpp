// What a forwarded click, the menu and a reload do in the host (built for the tests: message
// boxes recorded, stand-in hook library), under Wine against the stand-in taskbar.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/protocol/window_messages.h"
#include "tests/host_integration/host_program_fixture.h"
#include "tests/host_integration/seam_log.h"

namespace zembrik::testing {
namespace {

// One start of the command recorder: its command line and its arguments.
struct RecordedStart {
  std::wstring commandLine;
  std::vector<std::wstring> arguments;
};

std::vector<RecordedStart> recordedStarts() {
  std::vector<RecordedStart> starts;
  for (const auto& line : readLines(recorderLogPath())) {
    if (line.rfind(L"commandLine=", 0) == 0) {
      starts.push_back({line.substr(12), {}});
    } else if (line.rfind(L"argv=", 0) == 0 && !starts.empty()) {
      starts.back().arguments.push_back(line.substr(5));
    }
  }
  return starts;
}

bool waitForStarts(std::size_t count) {
  return waitFor([&] { return recordedStarts().size() >= count; }, 5000);
}

// Copies the recorder to `folder` (made if missing) under `name`; returns the copy's path.
std::wstring placeRecorder(const std::wstring& folder, const std::wstring& name) {
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring path = folder + name;
  CopyFileW(RECORDER_EXE, path.c_str(), FALSE);
  return path;
}

BOOL CALLBACK findVisibleMenuWindow(HWND window, LPARAM result) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) == L"#32768" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
  }
  return TRUE;
}

// A popup menu is a top-level window of the system class "#32768".
HWND findVisibleMenu() {
  HWND found = nullptr;
  EnumWindows(findVisibleMenuWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

void pressKey(HWND window, WPARAM key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

void holdControl(bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = VK_CONTROL;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof(input));
}

class HostCommandsTest : public HostProgramTest {
 protected:
  void SetUp() override {
    HostProgramTest::SetUp();
    if (IsSkipped())
      return;
    keepSettings();
    standin_ = std::make_unique<StandinChild>(L"");
    ASSERT_NE(standin_->taskbar(), nullptr);
  }
  void TearDown() override {
    HostProgramTest::TearDown();
    standin_.reset();
  }
  HWND taskbar() const { return standin_->taskbar(); }

  std::unique_ptr<StandinChild> standin_;
};

TEST_F(HostCommandsTest, ButtonsStartTheirProgramsWithTheirArguments) {
  const std::wstring spaced = scratchFolder() + L"tools with spaces\\";
  const std::wstring recorder = placeRecorder(spaced, L"record me.exe");
  const std::wstring pathFolder = scratchFolder() + L"on the path\\";
  placeRecorder(pathFolder, L"recorder_on_path.exe");
  const std::wstring oldPath = environmentText(L"PATH");
  SetEnvironmentVariableW(L"PATH", (oldPath + L";" + pathFolder).c_str());

  writeSettingText(L"MouseButtonL", L"  \"" + recorder + L"\" one  two ");
  writeSettingText(L"MouseButtonR", recorder + L"\x01-x \"y z\"");
  writeSettingText(L"MouseButtonM", L"recorder_on_path argA");
  auto host = startHost();
  SetEnvironmentVariableW(L"PATH", oldPath.c_str());
  HWND hostWindow = findHostWindow();

  PostMessageW(hostWindow, WM_LBUTTONUP, 0, 0);
  ASSERT_TRUE(waitForStarts(1));
  PostMessageW(hostWindow, WM_RBUTTONUP, 0, 0);
  ASSERT_TRUE(waitForStarts(2));
  PostMessageW(hostWindow, WM_MBUTTONUP, 0, 0);
  ASSERT_TRUE(waitForStarts(3));
  const auto starts = recordedStarts();
  EXPECT_EQ(starts[0].commandLine, L"\"" + recorder + L"\" one  two");
  EXPECT_EQ(starts[0].arguments, (std::vector<std::wstring>{recorder, L"one", L"two"}));
  EXPECT_EQ(starts[1].arguments, (std::vector<std::wstring>{recorder, L"-x", L"y z"}));
  EXPECT_EQ(starts[2].arguments, (std::vector<std::wstring>{L"recorder_on_path", L"argA"}));
  EXPECT_TRUE(dialogs().empty());
}

TEST_F(HostCommandsTest, AProgramThatCannotStartIsReportedAndTheHostGoesOn) {
  auto host = startHost();
  writeSettingText(L"MouseButtonL", L"C:\\nowhere\\missing.exe --flag");
  PostMessageW(findHostWindow(), MSG_RELOAD, 0, 0);
  PostMessageW(findHostWindow(), WM_LBUTTONUP, 0, 0);
  ASSERT_TRUE(waitFor([] { return !dialogs().empty(); }, 5000));
  EXPECT_EQ(dialogs(),
            std::vector<std::wstring>{L"Error can't execute program|C:\\nowhere\\missing.exe|48"});
  EXPECT_EQ(host->waitForExit(300), STILL_ACTIVE);
}

TEST_F(HostCommandsTest, SystemCalendarActionAsksTheTaskbarForItsPanel) {
  writeSettingText(L"MouseButtonL", L"*s");
  writeSettingText(L"MouseButtonR", L" *c");  // not a code: nothing at all
  auto host = startHost();
  PostMessageW(findHostWindow(), WM_RBUTTONUP, 0, 0);
  Sleep(300);
  EXPECT_EQ(FindWindowW(standin::kDateTimePanelClass, nullptr), nullptr);
  PostMessageW(findHostWindow(), WM_LBUTTONUP, 0, 0);
  EXPECT_TRUE(
      waitFor([] { return FindWindowW(standin::kDateTimePanelClass, nullptr) != nullptr; }, 3000));
  EXPECT_TRUE(recordedStarts().empty());
}

TEST_F(HostCommandsTest, MenuOpensForItsActionAndItsAlarmsItemStartsTheOptions) {
  auto host = startHost();  // no stored values: the middle button shows the menu
  PostMessageW(findHostWindow(), WM_MBUTTONUP, 0, 0);
  HWND menu = nullptr;
  ASSERT_TRUE(waitFor([&] { return (menu = findVisibleMenu()) != nullptr; }, 3000));
  pressKey(menu, VK_DOWN);  // "Alarms", the first item
  pressKey(menu, VK_RETURN);
  ASSERT_TRUE(waitForStarts(1));
  const auto arguments = recordedStarts()[0].arguments;
  ASSERT_EQ(arguments.size(), 2u);
  EXPECT_TRUE(samePath(arguments[0], OPTIONS_STANDIN_EXE)) << arguments[0];
  EXPECT_EQ(arguments[1], L"alarms");
  EXPECT_TRUE(waitFor([] { return findVisibleMenu() == nullptr; }, 2000));
}

TEST_F(HostCommandsTest, CtrlClickShowsTheMenuWhateverTheButtonDoes) {
  writeSettingText(L"MouseButtonL", RECORDER_EXE);
  auto host = startHost();
  holdControl(true);
  PostMessageW(findHostWindow(), WM_LBUTTONUP, 0, 0);
  HWND menu = nullptr;
  const bool shown = waitFor([&] { return (menu = findVisibleMenu()) != nullptr; }, 3000);
  holdControl(false);
  ASSERT_TRUE(shown);
  pressKey(menu, VK_ESCAPE);
  EXPECT_TRUE(waitFor([] { return findVisibleMenu() == nullptr; }, 2000));
  EXPECT_TRUE(recordedStarts().empty());
  PostMessageW(findHostWindow(), WM_LBUTTONUP, 0, 0);  // without Ctrl: the program
  EXPECT_TRUE(waitForStarts(1));
}

TEST_F(HostCommandsTest, OptionsItemStartsTheOptionsProgramBesideTheHost) {
  auto host = startHost();
  PostMessageW(findHostWindow(), WM_COMMAND, 111, 0);
  ASSERT_TRUE(waitForStarts(1));
  const auto start = recordedStarts()[0];
  ASSERT_EQ(start.arguments.size(), 1u);
  EXPECT_TRUE(samePath(start.arguments[0], OPTIONS_STANDIN_EXE));
  EXPECT_EQ(start.commandLine.front(), L'"');
}

TEST_F(HostCommandsTest, MissingOptionsProgramIsReported) {
  // A copy of the host in a folder without ZembrikOptions.exe.
  const std::wstring folder = scratchFolder() + L"lonely host\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring hostCopy = folder + L"host.exe";
  CopyFileW(SEAM_HOST_EXE, hostCopy.c_str(), FALSE);
  CopyFileW(HOOK_DOUBLE_DLL, (folder + HOOK_DOUBLE_NAME).c_str(), FALSE);
  auto host = startHost(hostCopy);
  PostMessageW(findHostWindow(), WM_COMMAND, 111, 0);
  ASSERT_TRUE(waitFor([] { return !dialogs().empty(); }, 5000));
  const std::wstring expected = L"Error|Can't start " + folder + L"ZembrikOptions.exe|48";
  EXPECT_TRUE(samePath(dialogs().front(), expected)) << dialogs().front();
  EXPECT_EQ(host->waitForExit(300), STILL_ACTIVE);
}

struct Layering {
  bool layered;
  BYTE opacity;
};

Layering layeringOf(HWND window) {
  Layering result{(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0, 255};
  COLORREF key = 0;
  DWORD flags = 0;
  if (result.layered)
    GetLayeredWindowAttributes(window, &key, &result.opacity, &flags);
  return result;
}

TEST_F(HostCommandsTest, TransparencyIsAppliedAtStartOnReloadAndRemovedAtExit) {
  writeSettingNumber(L"transparentTaskBar", 50);
  auto host = startHost();
  // The style bit is set just before the opacity, so wait for both: the
  // test may look between the two calls.
  ASSERT_TRUE(waitFor(
      [&] {
        const auto now = layeringOf(taskbar());
        return now.layered && now.opacity == 255 - 127;
      },
      4000))
      << "applied by the one-shot timer after start";

  const struct {
    std::uint32_t percent;
    bool layered;
    BYTE opacity;
  } steps[] = {{40, true, 153}, {101, true, 153}, {100, true, 0}, {0, false, 255}, {1, true, 253}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.percent);
    writeSettingNumber(L"transparentTaskBar", step.percent);
    SendMessageW(findHostWindow(), MSG_RELOAD, 0, 0);
    const auto now = layeringOf(taskbar());
    EXPECT_EQ(now.layered, step.layered);
    EXPECT_EQ(now.opacity, step.opacity);
  }
  EXPECT_EQ(run(L"stop")->waitForExit(kStopMs), 1u);
  EXPECT_EQ(host->waitForExit(kQuickMs), 0u);
  EXPECT_FALSE(layeringOf(taskbar()).layered) << "the host leaves the taskbar opaque";
}

// A stand-in for the separate Start menu window of Windows before Vista.
class StartMenuWindow {
 public:
  StartMenuWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"DV2ControlHost";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, L"DV2ControlHost", L"Start Menu", WS_POPUP, 0, 0, 10, 10, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~StartMenuWindow() {
    DestroyWindow(window_);
    UnregisterClassW(L"DV2ControlHost", GetModuleHandleW(nullptr));
  }
  HWND window() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// Wine reports the Windows version of its choice to one program by its file name.
class WindowsVersionForProgram {
 public:
  WindowsVersionForProgram(const std::wstring& fileName, const wchar_t* version)
      : key_(L"Software\\Wine\\AppDefaults\\" + fileName) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                   static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
  ~WindowsVersionForProgram() { RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str()); }

 private:
  std::wstring key_;
};

bool panelShown() {
  return FindWindowW(standin::kDateTimePanelClass, nullptr) != nullptr;
}

TEST_F(HostCommandsTest, WindowsXpSwapsTheCalendarButtonsAndShadesTheStartMenuIn32BitOnly) {
  // Only the 32-bit build runs on Windows before Vista; the 64-bit build ignores the version.
  const bool legacy = sizeof(void*) == 4;
  const std::wstring folder = scratchFolder() + L"old windows\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring hostCopy = folder + L"ZembrikOnXp.exe";
  CopyFileW(SEAM_HOST_EXE, hostCopy.c_str(), FALSE);
  CopyFileW(HOOK_DOUBLE_DLL, (folder + HOOK_DOUBLE_NAME).c_str(), FALSE);
  WindowsVersionForProgram xp(L"ZembrikOnXp.exe", L"winxp");
  StartMenuWindow startMenu;
  writeSettingNumber(L"transparentTaskBar", 40);

  auto host = startHost(hostCopy);
  ASSERT_TRUE(waitFor([&] { return layeringOf(taskbar()).layered; }, 4000));
  // The host changes the Start menu's style through messages this thread has to answer.
  // The style bit comes a call before the opacity: wait for both.
  EXPECT_EQ(waitFor(
                [&] {
                  const auto now = layeringOf(startMenu.window());
                  return now.layered && now.opacity == 254;
                },
                legacy ? 3000 : 300),
            legacy);
  EXPECT_EQ(layeringOf(startMenu.window()).layered, legacy);

  // Without stored values one button opens the shell's panel, the other the host's calendar.
  PostMessageW(findHostWindow(), legacy ? WM_LBUTTONUP : WM_RBUTTONUP, 0, 0);
  Sleep(300);
  EXPECT_FALSE(panelShown()) << "the calendar button";
  PostMessageW(findHostWindow(), legacy ? WM_RBUTTONUP : WM_LBUTTONUP, 0, 0);
  EXPECT_TRUE(waitFor(panelShown, 3000)) << "the system calendar button";

  EXPECT_EQ(run(L"stop")->waitForExit(kStopMs), 1u);
  EXPECT_EQ(host->waitForExit(kQuickMs), 0u);
  EXPECT_TRUE(waitFor([&] { return !layeringOf(startMenu.window()).layered; }, 1000));
}

}  // namespace
}  // namespace zembrik::testing
