// Several taskbars on several monitors, for real: run in a Wine session of its own whose monitors
// are a 1280 x 800 primary with the main taskbar, a 1024 x 768 monitor to its right and one to its
// left (negative coordinates), each with a secondary taskbar (run_in_monitor_session.sh). Each
// clock finds its own settings variant, clocks come and go with their taskbars, and the
// running-clock key keeps one group per clock.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>

#include "platform/win32/dc_scopes_win32.h"
#include "tests/hook/hook_fixture.h"
#include "tools/standin_taskbar/standin_protocol.h"
#include "tools/standin_taskbar/standin_secondary_protocol.h"

namespace zembrik::testing {
namespace {

constexpr RECT kPrimary{0, 0, 1280, 800};
constexpr RECT kRight{1280, 0, 2304, 768};
constexpr RECT kLeft{-1024, 0, 0, 768};

// The stand-in's taskbar indexes: the main one, then the secondaries as the command line makes
// them. The library numbers its clocks from the rightmost secondary taskbar: the right monitor's
// clock is 1, the left monitor's 2.
constexpr int kBarRight = 1;
constexpr int kBarLeft = 2;
const wchar_t* const kThreeTaskbars = L"--secondary-on=1 --secondary-on=2";

BOOL CALLBACK collectMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data) {
  reinterpret_cast<std::vector<RECT>*>(data)->push_back(*rect);
  return TRUE;
}

std::vector<RECT> monitorRects() {
  std::vector<RECT> rects;
  EnumDisplayMonitors(nullptr, nullptr, collectMonitor, reinterpret_cast<LPARAM>(&rects));
  return rects;
}

bool sameRect(const RECT& a, const RECT& b) {
  return EqualRect(&a, &b) != FALSE;
}

LRESULT control(const StandinTaskbar& bar, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(bar.taskbar(), message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &answer);
  return static_cast<LRESULT>(answer);
}

std::string narrow(std::u16string_view text) {
  return std::string(text.begin(), text.end());
}

// Every value of a key and the keys below it, with its type and data bytes: "path\name=type:hex".
void dumpTree(RegistryKey& key, const std::string& path, std::string& out) {
  RegEnumEntry entry;
  std::map<std::string, std::string> lines;
  for (std::uint32_t i = 0; key.enumValue(i, 256, entry) == RegStatus::Ok; ++i) {
    RegValue value;
    key.queryValue(entry.name, 4096, value);
    std::string line = std::to_string(static_cast<unsigned>(value.type)) + ":";
    char hex[3];
    for (std::uint8_t byte : value.data) {
      std::snprintf(hex, sizeof(hex), "%02x", byte);
      line += hex;
    }
    lines[path + "=" + narrow(entry.name)] = line;
  }
  for (const auto& [name, data] : lines) out += name + " " + data + "\n";
  std::vector<std::u16string> subkeys;
  for (std::uint32_t i = 0; key.enumSubkey(i, 256, entry) == RegStatus::Ok; ++i)
    subkeys.push_back(entry.name);
  for (const auto& name : subkeys) {
    out += path + "\\" + narrow(name) + "\n";
    if (auto sub = key.openSubkey(name, kKeyRead))
      dumpTree(*sub.key, path + "\\" + narrow(name), out);
  }
}

std::string dumpKey(std::u16string_view path) {
  std::string out;
  if (auto key = openCurrentUserRoot()->openSubkey(path, kKeyRead))
    dumpTree(*key.key, narrow(path.substr(path.rfind(u'\\') + 1)), out);
  return out;
}

std::string dumpClockSets() {
  return dumpKey(u"Software\\OBR\\Zembrik\\horizontal") +
         dumpKey(u"Software\\OBR\\Zembrik\\vertical");
}

// The running-clock key as "name=value" lines, or "(no key)".
std::string dumpThis() {
  auto key = openCurrentUserRoot()->openSubkey(u"Software\\OBR\\Zembrik\\this", kKeyRead);
  if (!key)
    return "(no key)\n";
  std::map<std::string, std::uint32_t> values;
  RegEnumEntry entry;
  for (std::uint32_t i = 0; key.key->enumValue(i, 256, entry) == RegStatus::Ok; ++i)
    values[narrow(entry.name)] = readNumber(*key.key, entry.name).value_or(0xFFFFFFFF);
  std::string out;
  for (const auto& [name, value] : values) out += name + "=" + std::to_string(value) + "\n";
  return out;
}

std::uint32_t lowOf(HWND window) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

int widthOf(HWND clock) {
  return packedWidth(askSize(clock));
}

void reload(HWND clock) {
  SendMessageW(clock, MSG_RELOAD, 0, 0);
  pumpFor(1500);  // past the tick that ends a theme's one-pixel-wider answer
}

// A face of one line that names the key it comes from: the longer the name, the wider the clock.
void writeNamedFace(const char16_t* set, const std::u16string& label, std::uint32_t colour) {
  writeFace(set, {u",,,,,,:HH:mm' " + label + u"'"}, colour);
}

constexpr const char16_t* kMainLabel = u"main";
constexpr const char16_t* kSizeLabel = u"size_1024x768_96";
constexpr const char16_t* kNameLabel = u"name_Default_Monitor size_1280x800_96";

void writeScreenBitmap(const wchar_t* path);

class HookMonitors : public HookTest {
 protected:
  void SetUp() override {
    HookTest::SetUp();
    const std::vector<RECT> monitors = monitorRects();
    ASSERT_EQ(monitors.size(), 3u) << "not run in the three-monitor session";
  }

  // Waits until each of `clocks` was reported attached (again, after a rescan), then lets the
  // rest of the sequence settle: the host's start sends one attach request per taskbar, and a
  // request that comes after the sequence ended starts another, which only re-indexes.
  static bool waitForAttached(const TestHostWindow& host, std::vector<HWND> clocks) {
    const bool all = pumpUntil(
        [&] {
          std::vector<HWND> missing;
          for (HWND clock : clocks) {
            bool seen = false;
            for (const auto& message : host.received())
              seen |= message.message == MSG_CLOCK_ATTACHED &&
                      message.wParam == reinterpret_cast<WPARAM>(clock);
            if (!seen)
              missing.push_back(clock);
          }
          return missing.empty();
        },
        8000);
    pumpFor(500);
    return all;
  }
};

TEST_F(HookMonitors, TheSessionHasThreeMonitorsSideBySide) {
  const std::vector<RECT> monitors = monitorRects();
  int found = 0;
  for (const RECT& rect : monitors)
    found += sameRect(rect, kPrimary) + sameRect(rect, kRight) + sameRect(rect, kLeft);
  EXPECT_EQ(found, 3);
  StandinTaskbar bar(kThreeTaskbars);
  ASSERT_TRUE(bar.running());
  const RECT right = bar.clockRect(kBarRight);
  const RECT left = bar.clockRect(kBarLeft);
  EXPECT_GE(right.left, kRight.left);
  EXPECT_LT(left.right, 1);
  EXPECT_EQ(MonitorFromWindow(bar.clock(kBarLeft), MONITOR_DEFAULTTONULL),
            MonitorFromPoint(POINT{-10, 10}, MONITOR_DEFAULTTONULL));
}

// Three clocks, each with the face of its own variant; the running-clock key lists each.
TEST_F(HookMonitors, EachClockTakesTheVariantOfItsMonitor) {
  writeNamedFace(u"horizontal", kMainLabel, 0x00FFFFFF);
  writeNamedFace(u"horizontal\\size_1024x768_96", kSizeLabel, 0x0000FFFF);
  StandinTaskbar bar(kThreeTaskbars);
  TestHostWindow host;
  const auto started = std::chrono::steady_clock::now();
  PaintCounter paints(bar);
  attach(bar, host);
  ASSERT_TRUE(pumpUntil([&] { return paints.paints() > 0; }, 5000));
  const auto firstPaint = std::chrono::steady_clock::now() - started;
  std::printf("startHook to the third clock's first paint: %lld ms\n",
              static_cast<long long>(
                  std::chrono::duration_cast<std::chrono::milliseconds>(firstPaint).count()));
  const HWND main = bar.clock(0), right = bar.clock(kBarRight), left = bar.clock(kBarLeft);
  ASSERT_TRUE(waitForAttached(host, {main, right, left}));
  EXPECT_EQ(thisValue(u"hwndLo"), lowOf(main));
  EXPECT_EQ(thisValue(u"hwndLo_1"), lowOf(right)) << "the rightmost secondary is clock 1";
  EXPECT_EQ(thisValue(u"hwndLo_2"), lowOf(left));
  std::printf("the key this with three clocks:\n%s", dumpThis().c_str());

  pumpFor(1500);
  EXPECT_EQ(widthOf(right), widthOf(left)) << "both 1024 x 768 monitors: the same variant";
  EXPECT_GT(widthOf(right), widthOf(main)) << "the main clock keeps \"horizontal\"";

  writeNamedFace(u"horizontal\\name_Default_Monitor\\size_1280x800_96", kNameLabel, 0x0000FF00);
  const int rightBefore = widthOf(right);
  reload(main);
  EXPECT_GT(widthOf(main), rightBefore) << "the name variant's size variant takes over";

  wchar_t shot[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"ZEMBRIK_MONITOR_SHOT", shot, MAX_PATH) > 0)
    writeScreenBitmap(shot);
}

// Taskbars come, move and go under running clocks.
TEST_F(HookMonitors, ClocksComeMoveAndGoWithTheirTaskbars) {
  writeNamedFace(u"horizontal", kMainLabel, 0x00FFFFFF);
  writeNamedFace(u"horizontal\\size_1024x768_96", kSizeLabel, 0x0000FFFF);
  const std::string setsBefore = dumpClockSets();
  StandinTaskbar bar(L"--secondary-on=1");
  TestHostWindow host;
  attach(bar, host);
  const HWND main = bar.clock(0), right = bar.clock(kBarRight);
  ASSERT_TRUE(waitForAttached(host, {main, right}));
  // Another program's subclass on top of ours: a second subclass of ours would take its place.
  ASSERT_TRUE(bar.foreignSubclass(kBarRight, true));

  // A monitor's taskbar appears: it gets a clock, the others keep theirs.
  host.clear();
  ASSERT_EQ(control(bar, standin::kMsgAddSecondary, 2, static_cast<LPARAM>(standin::Edge::Bottom)),
            kBarLeft);
  const HWND left = bar.clock(kBarLeft);
  ASSERT_TRUE(waitForAttached(host, {main, right, left})) << "the rescan reaches every clock";
  EXPECT_EQ(bar.clockProcedureState(kBarRight), standin::kProcedureForeign)
      << "the clock already attached was not subclassed again";
  EXPECT_EQ(bar.clockProcedureState(kBarLeft), standin::kProcedureOther);
  EXPECT_EQ(thisValue(u"hwndLo_1"), lowOf(right));
  EXPECT_EQ(thisValue(u"hwndLo_2"), lowOf(left));
  pumpFor(1500);
  EXPECT_EQ(widthOf(left), widthOf(right));

  // The right monitor's taskbar moves to the primary's top edge: at its next load it takes the
  // primary's variant, the main set.
  const int mainWidth = widthOf(main);
  host.clear();
  ASSERT_EQ(control(bar, standin::kMsgMoveSecondary, kBarRight,
                    MAKELPARAM(0, static_cast<int>(standin::Edge::Top))),
            1);
  ASSERT_TRUE(waitForAttached(host, {main, right, left}));
  pumpFor(1500);
  EXPECT_EQ(widthOf(right), mainWidth) << "the moved clock took its new monitor's set";
  EXPECT_GT(widthOf(left), mainWidth);
  const std::string moved = dumpThis();
  std::printf("the key this after a taskbar moved:\n%s", moved.c_str());
  std::vector<std::optional<std::uint32_t>> listed{thisValue(u"hwndLo"), thisValue(u"hwndLo_1"),
                                                   thisValue(u"hwndLo_2")};
  std::sort(listed.begin(), listed.end());
  std::vector<std::optional<std::uint32_t>> expected{lowOf(main), lowOf(right), lowOf(left)};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(listed, expected) << "one group per clock";
  EXPECT_EQ(moved.find("_3"), std::string::npos);

  // Back to the right monitor; then the right monitor is unplugged: its clock detaches, and the
  // left clock, re-numbered from 2 to 1, leaves no group 2 behind.
  host.clear();
  control(bar, standin::kMsgMoveSecondary, kBarRight,
          MAKELPARAM(1, static_cast<int>(standin::Edge::Bottom)));
  ASSERT_TRUE(waitForAttached(host, {main, right, left}));
  EXPECT_EQ(thisValue(u"hwndLo_1"), lowOf(right));
  EXPECT_EQ(thisValue(u"hwndLo_2"), lowOf(left));
  ASSERT_TRUE(bar.foreignSubclass(kBarRight, false));
  const LRESULT destroysBefore = control(bar, standin::kMsgNativeClockDestroys, 0, 0);
  host.clear();
  ASSERT_EQ(control(bar, standin::kMsgRemoveSecondary, kBarRight, 0), 1);
  ASSERT_TRUE(waitForAttached(host, {main, left}));
  EXPECT_EQ(control(bar, standin::kMsgNativeClockDestroys, 0, 0), destroysBefore + 1)
      << "the shell's own clock procedure saw its WM_DESTROY";
  const std::string afterRemoval = dumpThis();
  std::printf("the key this after the right taskbar was removed:\n%s", afterRemoval.c_str());
  EXPECT_EQ(thisValue(u"hwndLo"), lowOf(main)) << "the main clock is still listed";
  EXPECT_EQ(thisValue(u"isVertical"), 0u);
  EXPECT_TRUE(thisValue(u"isXPtheme").has_value());
  EXPECT_EQ(thisValue(u"hwndLo_1"), lowOf(left));
  EXPECT_EQ(thisValue(u"isVertical_1"), 0u);
  for (const char16_t* stale : {u"hwndLo_2", u"hwndHi_2", u"isVertical_2"})
    EXPECT_FALSE(thisValue(stale).has_value()) << narrow(stale);
  EXPECT_EQ(bar.exitCode(), static_cast<DWORD>(STILL_ACTIVE));

  endHook();
  EXPECT_EQ(dumpThis(), "(no key)\n");
  EXPECT_EQ(dumpClockSets(), setsBefore) << "attach, reloads and detach leave the sets alone";
}

// Run only in the session whose prefix sets 144 dpi.
TEST_F(HookMonitors, At144DpiTheSizeKeyCarriesTheDpi) {
  if (GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSY) != 144)
    GTEST_SKIP() << "for the 144-dpi session";
  writeNamedFace(u"horizontal", kMainLabel, 0x00FFFFFF);
  writeNamedFace(u"horizontal\\size_1280x800", kNameLabel, 0x0000FF00);
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  pumpFor(1500);
  // The longest face sits in the key without the DPI: had it been used, nothing would be wider.
  const int withoutVariant = widthOf(bar.clock());
  writeNamedFace(u"horizontal\\size_1280x800_144", kSizeLabel, 0x0000FFFF);
  reload(bar.clock());
  EXPECT_GT(widthOf(bar.clock()), withoutVariant)
      << "\"size_1280x800_144\" is used, \"size_1280x800\" was not";
}

// The whole virtual screen as a 24-bit BMP (scripts/monitor_screenshot turns it into a PNG).
void writeScreenBitmap(const wchar_t* path) {
  const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  const ScreenPixels screen = readScreen(RECT{x, y, x + width, y + height});
  const int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
  FILE* out = _wfopen(path, L"wb");
  if (!out)
    return;
  std::fwrite(&file, sizeof(file), 1, out);
  std::fwrite(&info, sizeof(info), 1, out);
  std::vector<unsigned char> row(static_cast<std::size_t>(stride));
  for (int line = height - 1; line >= 0; --line) {
    for (int column = 0; column < width; ++column) {
      const COLORREF colour = screen.at(column, line);
      row[static_cast<std::size_t>(column * 3)] = GetBValue(colour);
      row[static_cast<std::size_t>(column * 3 + 1)] = GetGValue(colour);
      row[static_cast<std::size_t>(column * 3 + 2)] = GetRValue(colour);
    }
    std::fwrite(row.data(), 1, row.size(), out);
  }
  std::fclose(out);
}

}  // namespace
}  // namespace zembrik::testing
