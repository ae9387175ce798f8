// Add-ons against the stand-in taskbar under Wine: registration through the two messages, the
// cells before the clock's own, the mirror under the volatile key `reg`, clicks on add-on cells,
// what any program may send, and the sample add-on program across a shell restart.
#include <cstdio>
#include <string>

#include "engine/settings/value_names.h"
#include "tests/hook/hook_fixture.h"

namespace zembrik::testing {
namespace {

constexpr char16_t kRegKey[] = u"Software\\OBR\\Zembrik\\reg";
constexpr std::uint32_t kMarker = 0x52424F00;

// An add-on face of one cell with `text` below the clock set `set`.
void writeAddonFace(const char16_t* set, int id, const std::u16string& text) {
  const std::string digits = std::to_string(id);
  auto key = openCurrentUserRoot()->createSubkey(std::u16string(u"Software\\OBR\\Zembrik\\") + set +
                                                     u"\\addon_" +
                                                     std::u16string(digits.begin(), digits.end()),
                                                 kKeyReadWrite, KeyLifetime::Persistent);
  ASSERT_TRUE(key);
  writeNumber(*key.key, u"nColumns", 1);
  writeNumber(*key.key, u"nRows", 1);
  writeText(*key.key, cellValueName(u"cell", 0, 0), u",,,,,,:'" + text + u"'");
  writeText(*key.key, cellValueName(u"font", 0, 0), u"14,700,,:Arial");
  writeNumber(*key.key, cellValueName(u"color", 0, 0), 0x0000FFFF);
}

// Both separator lines, 2 pixels thick, on the clock set `set`: the leading pair stands again
// after the add-on's cells.
void writeBothSeparatorLines(const char16_t* set) {
  auto key = openCurrentUserRoot()->createSubkey(std::u16string(u"Software\\OBR\\Zembrik\\") + set,
                                                 kKeyReadWrite, KeyLifetime::Persistent);
  ASSERT_TRUE(key);
  writeNumber(*key.key, u"separator", 0xC000002);
}

std::optional<std::uint32_t> regValue(const char16_t* name) {
  auto reg = openCurrentUserRoot()->openSubkey(kRegKey, kKeyRead);
  if (!reg)
    return std::nullopt;
  return readNumber(*reg.key, name);
}

// Every value under `reg`, one "name = 0x..." a line.
std::string dumpReg() {
  std::string out;
  auto reg = openCurrentUserRoot()->openSubkey(kRegKey, kKeyRead);
  if (!reg)
    return "(no key)\n";
  for (std::uint32_t index = 0;; ++index) {
    RegEnumEntry entry;
    if (reg.key->enumValue(index, 1024, entry) != RegStatus::Ok)
      break;
    char line[160];
    std::snprintf(line, sizeof line, "%s = 0x%08X\n",
                  std::string(entry.name.begin(), entry.name.end()).c_str(),
                  readNumber(*reg.key, entry.name).value_or(0));
    out += line;
  }
  return out.empty() ? "(empty)\n" : out;
}

bool refusesPersistentChild() {
  auto key = openCurrentUserRoot()->openSubkey(kRegKey, kKeyReadWrite);
  if (!key)
    return false;
  auto child = key.key->createSubkey(u"probe", kKeyReadWrite, KeyLifetime::Persistent);
  if (child) {
    child.key.reset();
    key.key->deleteSubkey(u"probe");
  }
  return child.status == RegStatus::ChildMustBeVolatile;
}

LRESULT sendToClock(HWND clock, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(clock, message, wParam, lParam, SMTO_ABORTIFHUNG, 3000, &answer);
  return static_cast<LRESULT>(answer);
}

std::uint32_t low32(HWND window) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

void leftClick(POINT at) {
  SetCursorPos(at.x, at.y);
  pumpFor(50);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
  pumpFor(400);
}

const RecordedMessage* firstOf(const TestHostWindow& window, UINT message) {
  for (const RecordedMessage& received : window.received())
    if (received.message == message)
      return &received;
  return nullptr;
}

// The clock's screen area as a 24-bit BMP to the file the environment variable names.
void saveClockShotIfAsked(const wchar_t* variable, const RECT& shot) {
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(variable, path, MAX_PATH))
    return;
  const int width = shot.right - shot.left, height = shot.bottom - shot.top;
  HDC screen = GetDC(nullptr);
  UniqueMemoryDc memory(CreateCompatibleDC(screen));
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(info.bmiHeader), width, height, 1, 24};
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap && memory) {
    HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, screen, shot.left, shot.top, SRCCOPY);
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
  }
  ReleaseDC(nullptr, screen);
}

using HookAddons = HookTest;

TEST_F(HookAddons, ARegisteredAddonsCellStandsBeforeTheClocksAndTakesItsClicks) {
  writeFace(u"horizontal", {u",,,,,,:HH:mm"});
  writeBothSeparatorLines(u"horizontal");
  writeAddonFace(u"horizontal", 7, u"MAIL");
  StandinTaskbar bar;
  // The add-on's window first: the library looks the host up by its class, newest first.
  TestHostWindow addon;
  TestHostWindow host;
  attach(bar, host);
  const HWND clock = bar.clock();
  const int widthAlone = LOWORD(askSize(clock));

  PaintCounter counter(bar);
  const auto answer = static_cast<PackedSize>(
      sendToClock(clock, MSG_ADDON_REGISTER, 7, reinterpret_cast<LPARAM>(addon.window())));
  EXPECT_GT(static_cast<int>(LOWORD(answer)), widthAlone + 20) << "the add-on's cell is added";
  EXPECT_EQ(regValue(u"addon_7_hndl"), low32(addon.window()));
  EXPECT_TRUE(refusesPersistentChild()) << "`reg` must vanish at logoff";
  bar.relayout();
  pumpFor(600);
  std::printf("paints after one registration: %d\n", counter.paints());
  saveClockShotIfAsked(L"ZEMBRIK_ADDON_SHOT", bar.clockRect());

  // The add-on's cell is the leftmost, past the leading lines' gap: a click there reaches the
  // add-on, marked, in its own coordinates; a click on the leading lines or on the clock's own
  // cells does not.
  const RECT rect = bar.clockRect();
  const int midY = (rect.top + rect.bottom) / 2;
  constexpr int kLeadingGap = 3;
  leftClick({rect.left + kLeadingGap + 4, midY});
  const RecordedMessage* down = firstOf(addon, WM_LBUTTONDOWN);
  ASSERT_NE(down, nullptr) << "the click on the add-on's cell did not reach it";
  EXPECT_EQ(static_cast<std::uint32_t>(down->wParam) & 0xFFFFFF00u, kMarker);
  EXPECT_EQ(static_cast<short>(LOWORD(down->lParam)), 4);
  EXPECT_EQ(static_cast<short>(HIWORD(down->lParam)), midY - rect.top);
  EXPECT_EQ(firstOf(host, WM_LBUTTONDOWN), nullptr) << "a click an add-on took ends there";
  addon.clear();
  leftClick({rect.left + 1, midY});
  leftClick({rect.right - 4, midY});
  EXPECT_EQ(firstOf(addon, WM_LBUTTONDOWN), nullptr);

  // Registering again with the same window writes nothing and keeps one cell.
  EXPECT_EQ(static_cast<PackedSize>(sendToClock(clock, MSG_ADDON_REGISTER, 7,
                                                reinterpret_cast<LPARAM>(addon.window()))),
            answer);
  EXPECT_EQ(sendToClock(clock, MSG_ADDON_UNREGISTER, 8, 0), 0) << "unknown id";
  EXPECT_NE(sendToClock(clock, MSG_ADDON_UNREGISTER, 7, 0), 0);
  // Until the next tick a forced layout answers one pixel more (the themed taskbar's nudge).
  EXPECT_NEAR(static_cast<int>(LOWORD(askSize(clock))), widthAlone, 1);
  EXPECT_FALSE(regValue(u"addon_7_hndl"));
}

TEST_F(HookAddons, OnAVerticalTaskbarTheAddonsCellStandsAbove) {
  writeFace(u"vertical", {u",,,,,,:HH:mm"});
  writeBothSeparatorLines(u"vertical");
  writeAddonFace(u"vertical", 3, u"VPN");
  StandinTaskbar bar(L"--edge=left");
  // The add-on's window first: the library looks the host up by its class, newest first.
  TestHostWindow addon;
  TestHostWindow host;
  attach(bar, host);
  const HWND clock = bar.clock();
  const int heightAlone = HIWORD(askSize(clock));
  const auto answer = static_cast<PackedSize>(
      sendToClock(clock, MSG_ADDON_REGISTER, 3, reinterpret_cast<LPARAM>(addon.window())));
  EXPECT_GT(static_cast<int>(HIWORD(answer)), heightAlone + 10);
  bar.relayout();
  pumpFor(600);
  saveClockShotIfAsked(L"ZEMBRIK_ADDON_VERTICAL_SHOT", bar.clockRect());
  const RECT rect = bar.clockRect();
  const int midX = (rect.left + rect.right) / 2;
  leftClick({midX, rect.top + 5});
  const RecordedMessage* down = firstOf(addon, WM_LBUTTONDOWN);
  ASSERT_NE(down, nullptr) << "the click on the add-on's row did not reach it";
  EXPECT_EQ(static_cast<std::uint32_t>(down->wParam) & 0xFFFFFF00u, kMarker);
  EXPECT_EQ(static_cast<short>(LOWORD(down->lParam)), midX - rect.left);
  EXPECT_LE(static_cast<short>(HIWORD(down->lParam)), 5);
  addon.clear();
  leftClick({midX, rect.bottom - 4});
  EXPECT_EQ(firstOf(addon, WM_LBUTTONDOWN), nullptr);
  sendToClock(clock, MSG_ADDON_UNREGISTER, 3, 0);
}

// What any program can send changes nothing it should not, and the stand-in keeps answering.
TEST_F(HookAddons, WhatAnyProgramSendsNeitherCrashesNorChangesTheClock) {
  writeFace(u"horizontal", {u",,,,,,:HH:mm"});
  {
    auto reg = openCurrentUserRoot()->createSubkey(kRegKey, kKeyReadWrite, KeyLifetime::Volatile);
    ASSERT_TRUE(reg);
    writeText(*reg.key, u"addon_9_hndl", u"not a number");
  }
  StandinTaskbar bar;
  // The add-on's window first: the library looks the host up by its class, newest first.
  TestHostWindow addon;
  TestHostWindow host;
  attach(bar, host);
  const HWND clock = bar.clock();
  EXPECT_FALSE(regValue(u"addon_9_hndl")) << "a value that is no DWORD is deleted";
  const int widthAlone = LOWORD(askSize(clock));

  EXPECT_EQ(sendToClock(clock, MSG_ADDON_REGISTER, 1, 0), 0);
  EXPECT_EQ(sendToClock(clock, MSG_ADDON_REGISTER, 1, 0x12344), 0);
  EXPECT_FALSE(regValue(u"addon_1_hndl"));
  EXPECT_EQ(sendToClock(clock, MSG_ADDON_UNREGISTER, 12345, 0), 0);

  // The table's limit: 64 add-ons; the 65th is refused and not mirrored.
  int accepted = 0;
  for (int id = 100; id < 165; ++id)
    accepted += sendToClock(clock, MSG_ADDON_REGISTER, static_cast<WPARAM>(id),
                            reinterpret_cast<LPARAM>(addon.window())) != 0;
  EXPECT_EQ(accepted, 64);
  EXPECT_FALSE(regValue(u"addon_164_hndl"));
  for (int id = 100; id < 165; ++id)
    sendToClock(clock, MSG_ADDON_UNREGISTER, static_cast<WPARAM>(id), 0);
  // Until the next tick a forced layout answers one pixel more (the themed taskbar's nudge).
  EXPECT_NEAR(static_cast<int>(LOWORD(askSize(clock))), widthAlone, 1);
}

std::string readLog(const std::wstring& path) {
  std::string text;
  if (FILE* in = _wfopen(path.c_str(), L"r")) {
    char buffer[512];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) text.append(buffer, got);
    std::fclose(in);
  }
  return text;
}

HWND findSampleAddon(int id) {
  const std::wstring title = L"Zembrik sample add-on " + std::to_wstring(id);
  return FindWindowW(L"ZembrikSampleAddon", title.c_str());
}

// The sample add-on program: it registers, receives its click, comes back after a shell
// restart, and takes its cell and value away when it ends.
TEST_F(HookAddons, TheSampleAddonSurvivesAShellRestart) {
  writeFace(u"horizontal", {u",,,,,,:HH:mm"});
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  const int widthAlone = LOWORD(askSize(bar.clock()));

  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring log = std::wstring(temp) + L"zembrik-sample-addon.log";
  DeleteFileW(log.c_str());
  std::wstring command = L"\"" SAMPLE_ADDON_EXE L"\" 42 SAMPLE \"" + log + L"\"";
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &started));
  UniqueHandle process(started.hProcess);
  UniqueHandle thread(started.hThread);
  ASSERT_TRUE(pumpUntil([] { return regValue(u"addon_42_hndl").has_value(); }, 5000));
  const HWND sample = findSampleAddon(42);
  ASSERT_TRUE(sample);
  EXPECT_EQ(regValue(u"addon_42_hndl"), low32(sample));
  EXPECT_TRUE(pumpUntil([&] { return LOWORD(askSize(bar.clock())) > widthAlone; }, 3000));
  bar.relayout();
  pumpFor(500);
  const RECT rect = bar.clockRect();
  leftClick({rect.left + 5, (rect.top + rect.bottom) / 2});
  leftClick({rect.right - 3, (rect.top + rect.bottom) / 2});  // the clock's own: not logged
  std::string before = dumpReg();

  ASSERT_TRUE(bar.restartProcess());
  endHook();
  attach(bar, host);
  EXPECT_TRUE(pumpUntil([] { return regValue(u"addon_42_hndl").has_value(); }, 5000))
      << "the add-on registered again with the new clock";
  EXPECT_TRUE(pumpUntil([&] { return LOWORD(askSize(bar.clock())) > widthAlone; }, 3000));
  std::string after = dumpReg();

  PostMessageW(sample, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(process.get(), 5000), WAIT_OBJECT_0);
  EXPECT_TRUE(pumpUntil([] { return !regValue(u"addon_42_hndl").has_value(); }, 3000));
  EXPECT_NEAR(static_cast<int>(LOWORD(askSize(bar.clock()))), widthAlone, 1);

  const std::string clicks = readLog(log);
  std::printf("reg before the restart:\n%sreg after the restart:\n%ssample add-on log:\n%s",
              before.c_str(), after.c_str(), clicks.c_str());
  EXPECT_NE(clicks.find("click message=0x0201 wParam=0x52424F01 x=5"), std::string::npos);
  EXPECT_EQ(clicks.find("x=" + std::to_string(rect.right - 3 - rect.left)), std::string::npos);
  EXPECT_NE(clicks.rfind("registered"), clicks.find("registered")) << "it registered twice";
}

}  // namespace
}  // namespace zembrik::testing
