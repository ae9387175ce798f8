// The pointer on the attached clock, for real input under Wine: SendInput clicks (with Ctrl held
// through SendInput too) and SetCursorPos hovers against the stand-in taskbar, whose Windows
// version is chosen per test. Each case prints a log line of what the host window received and
// what the stand-in did.
#include <algorithm>
#include <cstdio>
#include <string>

#include "engine/taskbar/tooltip_placement.h"
#include "tests/hook/hook_fixture.h"
#include "tools/standin_taskbar/standin_protocol.h"

namespace zembrik::testing {
namespace {

// The Windows version Wine reports to the stand-in (and so to the library inside it): "win10"
// is generation 7, "win7" generation 3, "winxp" generation 1.
class StandinWindowsVersion {
 public:
  explicit StandinWindowsVersion(const char16_t* version) {
    auto key = openCurrentUserRoot()->createSubkey(kKey, kKeyReadWrite, KeyLifetime::Persistent);
    if (key)
      writeText(*key.key, u"Version", version);
  }
  ~StandinWindowsVersion() {
    auto defaults =
        openCurrentUserRoot()->openSubkey(u"Software\\Wine\\AppDefaults", kKeyReadWrite);
    if (defaults)
      deleteKeyTree(*defaults.key, u"standin_taskbar.exe");
  }
  StandinWindowsVersion(const StandinWindowsVersion&) = delete;
  StandinWindowsVersion& operator=(const StandinWindowsVersion&) = delete;

 private:
  static constexpr char16_t kKey[] = u"Software\\Wine\\AppDefaults\\standin_taskbar.exe";
};

void writeRootText(const char16_t* name, const std::u16string& value) {
  auto root = openCurrentUserRoot()->openSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite);
  ASSERT_TRUE(root);
  writeText(*root.key, name, value);
}

void writeRootNumber(const char16_t* name, std::uint32_t value) {
  auto root = openCurrentUserRoot()->openSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite);
  ASSERT_TRUE(root);
  writeNumber(*root.key, name, value);
}

LRESULT askStandin(const StandinTaskbar& bar, UINT message) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(bar.taskbar(), message, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
  return static_cast<LRESULT>(answer);
}

POINT clockPoint(const StandinTaskbar& bar, int fromRight = -1) {
  RECT r = bar.clockRect();
  if (fromRight >= 0)
    return {r.right - 1 - fromRight, (r.top + r.bottom) / 2};
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void sendMouse(DWORD flags, DWORD data = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.mouseData = data;
  SendInput(1, &input, sizeof(input));
}

void sendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof(input));
}

enum class Button { Left, Right, Middle, X1 };

// A click at `at` through SendInput, optionally with Ctrl held.
void click(POINT at, Button button, bool ctrl = false) {
  SetCursorPos(at.x, at.y);
  pumpFor(50);
  if (ctrl)
    sendKey(VK_CONTROL, false);
  DWORD down = MOUSEEVENTF_LEFTDOWN, up = MOUSEEVENTF_LEFTUP, data = 0;
  if (button == Button::Right) {
    down = MOUSEEVENTF_RIGHTDOWN;
    up = MOUSEEVENTF_RIGHTUP;
  } else if (button == Button::Middle) {
    down = MOUSEEVENTF_MIDDLEDOWN;
    up = MOUSEEVENTF_MIDDLEUP;
  } else if (button == Button::X1) {
    down = MOUSEEVENTF_XDOWN;
    up = MOUSEEVENTF_XUP;
    data = XBUTTON1;
  }
  sendMouse(down, data);
  sendMouse(up, data);
  if (ctrl)
    sendKey(VK_CONTROL, true);
  pumpFor(400);
}

void moveAway() {
  SetCursorPos(5, 5);
  pumpFor(100);
}

const char* messageName(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
      return "WM_LBUTTONDOWN";
    case WM_LBUTTONUP:
      return "WM_LBUTTONUP";
    case WM_RBUTTONDOWN:
      return "WM_RBUTTONDOWN";
    case WM_RBUTTONUP:
      return "WM_RBUTTONUP";
    case WM_MBUTTONDOWN:
      return "WM_MBUTTONDOWN";
    case WM_MBUTTONUP:
      return "WM_MBUTTONUP";
    case WM_XBUTTONDOWN:
      return "WM_XBUTTONDOWN";
    case WM_XBUTTONUP:
      return "WM_XBUTTONUP";
    case WM_CONTEXTMENU:
      return "WM_CONTEXTMENU";
    case MSG_CLOCK_CLICKED:
      return "MSG_CLOCK_CLICKED";
    default:
      return nullptr;
  }
}

// The mouse messages (and MSG_CLOCK_CLICKED) the host window received, in order.
std::string hostLog(const TestHostWindow& host) {
  std::string log;
  for (const RecordedMessage& m : host.received()) {
    const char* name = messageName(m.message);
    if (!name)
      continue;
    char line[96];
    std::snprintf(line, sizeof(line), "%s%s(%d,%d)", log.empty() ? "" : " ", name,
                  static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam)));
    log += line;
  }
  return log.empty() ? "nothing" : log;
}

int hostButtons(const TestHostWindow& host) {
  int n = 0;
  for (const RecordedMessage& m : host.received())
    n += m.message >= WM_LBUTTONDOWN && m.message <= WM_XBUTTONUP ? 1 : 0;
  return n;
}

struct WindowSearch {
  const wchar_t* className;
  HWND owner;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<WindowSearch*>(lParam);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (lstrcmpiW(name, search.className) == 0 &&
      (!search.owner || GetWindow(window, GW_OWNER) == search.owner)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

// A top-level window of the class, owned by `owner` (any owner when null).
HWND windowOfClass(const wchar_t* className, HWND owner) {
  WindowSearch search{className, owner, nullptr};
  EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool visible(HWND window) {
  return window && IsWindowVisible(window);
}

std::wstring windowText(HWND window) {
  wchar_t text[1024] = {};
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      2000, &answer);
  return text;
}

std::string narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += c == L'\n' ? '|' : (c < 128 ? static_cast<char>(c) : '?');
  return out;
}

void logCase(const char* what, const TestHostWindow& host, const StandinTaskbar& bar,
             const char* extra = "") {
  std::printf("[mouse log] %s | host: %s | stand-in: panel=%s menus=%d showDesktopClicks=%d %s\n",
              what, hostLog(host).c_str(),
              askStandin(bar, standin::kMsgDateTimePanel) ? "open" : "closed",
              static_cast<int>(askStandin(bar, standin::kMsgTaskbarMenus)),
              static_cast<int>(askStandin(bar, standin::kMsgShowDesktopClicks)), extra);
  std::fflush(stdout);
}

void closePanel(const StandinTaskbar& bar) {
  if (HWND panel = reinterpret_cast<HWND>(askStandin(bar, standin::kMsgDateTimePanel)))
    PostMessageW(panel, WM_CLOSE, 0, 0);
  pumpFor(100);
}

// Writes the screen from the tooltip's top-left corner (less a margin) to the taskbar's bottom
// right, with the arrow pointer drawn where the pointer is, as a 24-bit BMP to the file that the
// environment variable `variable` names (scripts/tooltip_screenshots turns it into a PNG).
void saveScreenshotIfAsked(const wchar_t* variable, HWND tip, const StandinTaskbar& bar) {
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(variable, path, MAX_PATH))
    return;
  RECT at{}, taskbar{};
  GetWindowRect(tip, &at);
  GetWindowRect(bar.taskbar(), &taskbar);
  const RECT shot{std::max(at.left - 120, taskbar.left), at.top - 30, taskbar.right,
                  taskbar.bottom};
  const int width = shot.right - shot.left;
  const int height = shot.bottom - shot.top;
  HDC screen = GetDC(nullptr);
  UniqueMemoryDc memory(CreateCompatibleDC(screen));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !memory) {
    ReleaseDC(nullptr, screen);
    return;
  }
  HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
  BitBlt(memory.get(), 0, 0, width, height, screen, shot.left, shot.top, SRCCOPY);
  POINT cursor{};
  GetCursorPos(&cursor);
  DrawIconEx(memory.get(), cursor.x - shot.left, cursor.y - shot.top,
             LoadCursorW(nullptr, IDC_ARROW), 0, 0, 0, nullptr, DI_NORMAL);
  GdiFlush();
  const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
  file.bfSize = file.bfOffBits + stride * static_cast<DWORD>(height);
  if (FILE* out = _wfopen(path, L"wb")) {
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out);
    std::fwrite(bits, stride * static_cast<DWORD>(height), 1, out);
    std::fclose(out);
  }
  SelectObject(memory.get(), old);
  ReleaseDC(nullptr, screen);
}

class HookMouse : public HookTest {
 protected:
  void TearDown() override {
    moveAway();
    HookTest::TearDown();
  }
};

TEST_F(HookMouse, Generation7DefaultsCalendarLeftTaskbarMenuRightHostMiddle) {
  StandinWindowsVersion windows10(u"win10");
  StandinTaskbar bar(L"--generation7");
  TestHostWindow host;
  attach(bar, host);
  bar.relayout();
  pumpFor(300);
  host.clear();

  click(clockPoint(bar), Button::Left);
  EXPECT_NE(askStandin(bar, standin::kMsgDateTimePanel), 0) << "left opens the date/time panel";
  EXPECT_EQ(hostButtons(host), 0);
  logCase("gen7 defaults, left", host, bar);
  closePanel(bar);

  const POINT rightAt = clockPoint(bar, 3);
  click(rightAt, Button::Right);
  EXPECT_EQ(askStandin(bar, standin::kMsgTaskbarMenus), 1) << "right shows the taskbar menu";
  const auto packed =
      static_cast<std::uint32_t>(askStandin(bar, standin::kMsgLastTaskbarMenuPoint));
  POINT menuAt{static_cast<short>(packed & 0xFFFF), static_cast<short>(packed >> 16)};
  const RECT clockRect = bar.clockRect();
  EXPECT_TRUE(PtInRect(&clockRect, menuAt))
      << "menu asked for at " << menuAt.x << "," << menuAt.y << " outside the clock";
  EXPECT_EQ(menuAt.x, rightAt.x) << "as far from the far edge as the click";
  EXPECT_EQ(menuAt.y, rightAt.y) << "the click's height, mapped into the taskbar";
  char where[64];
  std::snprintf(where, sizeof(where), "menu point=(%ld,%ld) click=(%ld,%ld)", menuAt.x, menuAt.y,
                rightAt.x, rightAt.y);
  logCase("gen7 defaults, right", host, bar, where);
  askStandin(bar, standin::kMsgEndMenu);
  pumpFor(200);
  EXPECT_EQ(hostButtons(host), 0);

  host.clear();
  click(clockPoint(bar), Button::Middle);
  ASSERT_EQ(hostButtons(host), 2) << hostLog(host);
  EXPECT_EQ(host.count(WM_MBUTTONDOWN), 1);
  EXPECT_EQ(host.count(WM_MBUTTONUP), 1);
  EXPECT_EQ(host.count(MSG_CLOCK_CLICKED), 0) << "one clock: no note of which";
  // The clock's own client coordinates.
  const RecordedMessage& down = host.received().back();
  const RECT r = bar.clockRect();
  EXPECT_EQ(static_cast<short>(LOWORD(down.lParam)), clockPoint(bar).x - r.left);
  logCase("gen7 defaults, middle", host, bar);

  host.clear();
  click(clockPoint(bar), Button::X1);
  EXPECT_EQ(host.count(WM_XBUTTONDOWN), 1) << "an X button uses the middle action";
  logCase("gen7 defaults, X1", host, bar);
}

TEST_F(HookMouse, CalendarOnRightKeyMovesTheCalendarLeftAndRightToTheHost) {
  writeRootNumber(u"showCalendarOnRightKey", 1);
  StandinWindowsVersion windows10(u"win10");
  StandinTaskbar bar(L"--generation7");
  TestHostWindow host;
  attach(bar, host);
  host.clear();
  click(clockPoint(bar), Button::Right);
  pumpUntil([&] { return host.count(WM_RBUTTONUP) > 0; }, 2000);
  EXPECT_EQ(host.count(WM_RBUTTONDOWN), 1) << hostLog(host);
  EXPECT_EQ(host.count(WM_RBUTTONUP), 1);
  EXPECT_EQ(askStandin(bar, standin::kMsgTaskbarMenus), 0);
  logCase("showCalendarOnRightKey=1, right", host, bar);
  click(clockPoint(bar), Button::Left);
  EXPECT_NE(askStandin(bar, standin::kMsgDateTimePanel), 0);
  logCase("showCalendarOnRightKey=1, left", host, bar);
}

TEST_F(HookMouse, CtrlWithAnyButtonReachesTheHost) {
  StandinWindowsVersion windows10(u"win10");
  StandinTaskbar bar(L"--generation7");
  TestHostWindow host;
  attach(bar, host);
  host.clear();
  click(clockPoint(bar), Button::Left, /*ctrl=*/true);
  click(clockPoint(bar), Button::Right, /*ctrl=*/true);
  EXPECT_EQ(host.count(WM_LBUTTONDOWN), 1) << hostLog(host);
  EXPECT_EQ(host.count(WM_LBUTTONUP), 1);
  EXPECT_EQ(host.count(WM_RBUTTONUP), 1);
  EXPECT_EQ(askStandin(bar, standin::kMsgDateTimePanel), 0) << "no calendar with Ctrl";
  EXPECT_EQ(askStandin(bar, standin::kMsgTaskbarMenus), 0);
  logCase("Ctrl+left, Ctrl+right", host, bar);
}

TEST_F(HookMouse, GenerationOneSendsEveryButtonToTheHost) {
  StandinWindowsVersion windowsXp(u"winxp");
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  host.clear();
  click(clockPoint(bar), Button::Right);
  click(clockPoint(bar), Button::Left);
  EXPECT_EQ(host.count(WM_RBUTTONUP), 1) << hostLog(host);
  EXPECT_EQ(host.count(WM_LBUTTONUP), 1);
  EXPECT_EQ(askStandin(bar, standin::kMsgDateTimePanel), 0);
  logCase("winxp, right and left", host, bar);
}

TEST_F(HookMouse, AClickOnARingingClockOnlyEndsTheAlarm) {
  StandinWindowsVersion windows10(u"win10");
  StandinTaskbar bar(L"--generation7");
  TestHostWindow host;
  attach(bar, host);
  SendMessageW(bar.clock(), MSG_ALARM_ON, 3, 0);
  host.clear();
  click(clockPoint(bar), Button::Left);
  click(clockPoint(bar), Button::Middle);
  EXPECT_EQ(askStandin(bar, standin::kMsgDateTimePanel), 0) << "no panel while it rang";
  logCase("alarm ringing, left then middle", host, bar);
  EXPECT_EQ(hostButtons(host), 2) << "the first up ended the alarm; the middle click is the host's";
  click(clockPoint(bar), Button::Left);
  EXPECT_NE(askStandin(bar, standin::kMsgDateTimePanel), 0) << "the alarm is over";
}

TEST_F(HookMouse, AClickWithTheHostGoneIsDropped) {
  StandinWindowsVersion windows10(u"win10");
  StandinTaskbar bar(L"--generation7");
  {
    TestHostWindow host;
    attach(bar, host);
  }
  click(clockPoint(bar), Button::Middle);
  click(clockPoint(bar), Button::Left, /*ctrl=*/true);
  EXPECT_EQ(bar.exitCode(), static_cast<DWORD>(STILL_ACTIVE));
}

// Hover: our tooltip beside the clock, text by callback.
HWND hoverForTooltip(const StandinTaskbar& bar, POINT at) {
  SetCursorPos(at.x, at.y);
  pumpFor(50);
  SetCursorPos(at.x, at.y - 1);
  HWND tip = nullptr;
  pumpUntil(
      [&] {
        tip = windowOfClass(L"tooltips_class32", bar.taskbar());
        return visible(tip);
      },
      3000);
  pumpFor(200);
  return tip;
}

TEST_F(HookMouse, TheCustomTooltipEndsOnePixelInsideTheScreensRightEdge) {
  writeRootText(u"CustomTooltip", u"\"Zembrik tooltip, first line\"\\n\"second line\"\r\n");
  StandinWindowsVersion windows10(u"win10");
  StandinTaskbar bar(L"--generation7");
  TestHostWindow host;
  attach(bar, host);
  bar.relayout();
  pumpFor(300);  // the clock settles at its new width before the pointer goes to its far end
  // Under Wine the tooltip's window sometimes reports its old size right after activation, so its
  // first showing can be placed for the old size; from the second hover on its size is known.
  hoverForTooltip(bar, clockPoint(bar, 2));
  moveAway();
  HWND tip = hoverForTooltip(bar, clockPoint(bar, 2));
  ASSERT_TRUE(visible(tip)) << "no tooltip shown";
  RECT rect{};
  GetWindowRect(tip, &rect);
  const int screenRight = GetSystemMetrics(SM_CXSCREEN);
  POINT cursor{};
  GetCursorPos(&cursor);
  ASSERT_GE(cursor.x + (rect.right - rect.left), screenRight - 1)
      << "the pointer is too far from the edge for the case";
  // Asked for: ending one pixel inside the screen, one pixel above the clock. Wine's tooltip puts
  // its window one pixel up and left of the track position (its border); the same shift on both
  // axes shows it was that point that was asked for.
  const int shiftX = screenRight - 1 - rect.right;
  const int shiftY = bar.clockRect().top - 1 - rect.bottom;
  EXPECT_TRUE(shiftX == 0 || shiftX == 1) << "right edge " << rect.right;
  EXPECT_EQ(shiftY, shiftX) << "bottom " << rect.bottom;
  const std::wstring text = windowText(tip);
  EXPECT_NE(text.find(L"first line"), std::wstring::npos) << narrow(text);
  char extra[160];
  std::snprintf(extra, sizeof(extra), "tooltip=(%ld,%ld)-(%ld,%ld) screen right=%d text=%s",
                rect.left, rect.top, rect.right, rect.bottom, screenRight, narrow(text).c_str());
  logCase("custom tooltip near the right edge", host, bar, extra);
  saveScreenshotIfAsked(L"ZEMBRIK_TOOLTIP_SHOT", tip, bar);

  click(clockPoint(bar, 2), Button::Middle);
  EXPECT_FALSE(visible(tip)) << "a click takes the tooltip down";
}

// The clock window runs an 8-bit procedure once subclassed, so the tooltip asks it in the 8-bit
// form: a text longer than szText arrives as its longest beginning that fits, terminated.
TEST_F(HookMouse, AHundredCharacterTooltipIsCutToTheEightBitBuffer) {
  std::u16string hundred;
  for (int i = 0; i < 10; ++i) hundred += u"\"#########\"";
  writeRootText(u"CustomTooltip", hundred);
  StandinWindowsVersion windows10(u"win10");
  StandinTaskbar bar(L"--generation7");
  TestHostWindow host;
  attach(bar, host);
  HWND tip = hoverForTooltip(bar, clockPoint(bar));
  ASSERT_TRUE(visible(tip));
  const std::wstring text = windowText(tip);
  std::printf("[mouse log] 100-character tooltip: %zu characters arrived\n", text.size());
  EXPECT_EQ(text, std::wstring(79, L'#'));
}

TEST_F(HookMouse, ARingingAlarmsNameIsTheTooltip) {
  {
    auto alarms = openCurrentUserRoot()->createSubkey(u"Software\\OBR\\Zembrik\\alarms",
                                                      kKeyReadWrite, KeyLifetime::Persistent);
    ASSERT_TRUE(alarms);
    writeText(*alarms.key, u"name_4", u"Tea is ready");
  }
  StandinWindowsVersion windows7(u"win7");
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  SendMessageW(bar.clock(), MSG_ALARM_ON, 4, 0);
  HWND tip = hoverForTooltip(bar, clockPoint(bar));
  ASSERT_TRUE(visible(tip));
  EXPECT_EQ(windowText(tip), L"Alarm: Tea is ready");
  logCase("alarm tooltip (win7)", host, bar, narrow(windowText(tip)).c_str());
  saveScreenshotIfAsked(L"ZEMBRIK_ALARM_TIP_SHOT", tip, bar);
}

TEST_F(HookMouse, WithoutACustomTooltipGeneration3ShowsTheNativeTip) {
  StandinWindowsVersion windows7(u"win7");
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  POINT at = clockPoint(bar);
  SetCursorPos(at.x, at.y);
  pumpFor(50);
  SetCursorPos(at.x + 1, at.y);
  HWND nativeTip = nullptr;
  EXPECT_TRUE(pumpUntil(
      [&] {
        nativeTip = FindWindowW(standin::kClockTipClass, nullptr);
        return visible(nativeTip);
      },
      3000));
  EXPECT_FALSE(visible(windowOfClass(L"tooltips_class32", bar.taskbar())));
  logCase("win7 without CustomTooltip: hover", host, bar,
          visible(nativeTip) ? "native tip shown" : "no native tip");
  moveAway();
  EXPECT_TRUE(pumpUntil([&] { return !visible(nativeTip); }, 2000)) << "leave hides it";
}

TEST_F(HookMouse, MovesInsideTheClockRepaintOnEnterAndLeaveOnly) {
  writeFace(u"horizontal", {u",,,,,,:HH:mm"});
  StandinWindowsVersion windows7(u"win7");
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  PaintCounter counter(bar);
  ASSERT_TRUE(counter.installed());
  moveAway();
  pumpFor(500);
  counter.reset();
  const RECT r = bar.clockRect();
  for (int i = 0; i < 50; ++i) {
    SetCursorPos(r.left + 2 + (i % (r.right - r.left - 4)), (r.top + r.bottom) / 2);
    pumpFor(10);
  }
  pumpFor(200);
  const int inside = counter.paints();
  moveAway();
  pumpFor(300);
  const int total = counter.paints();
  std::printf("[mouse log] 50 moves inside the clock: %d repaints inside, %d with the leave\n",
              inside, total);
  EXPECT_GE(inside, 1);
  EXPECT_LE(inside, 2);
  EXPECT_LE(total, 4);
}

TEST_F(HookMouse, ShowDesktopButtonHiddenSubclassedAndGivenBackOnGeneration3) {
  writeRootNumber(u"hideShowDesktop", 1);
  StandinWindowsVersion windows7(u"win7");
  StandinTaskbar bar;
  TestHostWindow host;
  HWND notify = FindWindowExW(bar.taskbar(), nullptr, L"TrayNotifyWnd", nullptr);
  HWND button = FindWindowExW(notify, nullptr, L"TrayShowDesktopButtonWClass", nullptr);
  ASSERT_NE(button, nullptr);
  const PackedSize before = askSize(button);
  const bool visibleBefore = IsWindowVisible(button);
  attach(bar, host);
  const PackedSize during = askSize(button);
  const bool visibleDuring = IsWindowVisible(button);
  endHook();
  pumpFor(300);
  const PackedSize after = askSize(button);
  const bool visibleAfter = IsWindowVisible(button);
  std::printf(
      "[mouse log] show-desktop (win7): before visible=%d size=%ux%u; attached visible=%d "
      "answer=%ux%u; after endHook visible=%d size=%ux%u\n",
      visibleBefore, packedWidth(before), packedHeight(before), visibleDuring, packedWidth(during),
      packedHeight(during), visibleAfter, packedWidth(after), packedHeight(after));
  EXPECT_TRUE(visibleBefore);
  EXPECT_NE(before, 0u);
  EXPECT_FALSE(visibleDuring);
  EXPECT_EQ(during, 0u);
  EXPECT_TRUE(visibleAfter);
  EXPECT_EQ(after, before);
}

TEST_F(HookMouse, ShowDesktopButtonShrinksToNothingOnGeneration7) {
  writeRootNumber(u"hideShowDesktop", 1);
  StandinWindowsVersion windows10(u"win10");
  StandinTaskbar bar(L"--generation7");
  TestHostWindow host;
  HWND notify = FindWindowExW(bar.taskbar(), nullptr, L"TrayNotifyWnd", nullptr);
  HWND button = FindWindowExW(notify, nullptr, L"TrayShowDesktopButtonWClass", nullptr);
  ASSERT_NE(button, nullptr);
  attach(bar, host);
  bar.relayout();
  pumpFor(300);
  RECT rect{};
  GetWindowRect(button, &rect);
  std::printf("[mouse log] show-desktop (win10): attached %ldx%ld visible=%d\n",
              rect.right - rect.left, rect.bottom - rect.top, IsWindowVisible(button));
  EXPECT_EQ(rect.right - rect.left, 0);
  EXPECT_EQ(rect.bottom - rect.top, 0);
}

}  // namespace
}  // namespace zembrik::testing
