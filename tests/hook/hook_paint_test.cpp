// What the attached clock shows and how often it repaints, seen from outside the stand-in: screen
// pixels of the clock window and a count of the clock's paints inside the stand-in (its WM_PAINTs
// and the tick's paints straight through the window's DC).
#include <algorithm>

#include "tests/hook/hook_fixture.h"

namespace zembrik::testing {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

using HookPaint = HookTest;

// Waits until the local time is early enough in its minute for a quiet window of `seconds`.
void waitForQuietMinute(int seconds) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  if (now.wSecond + seconds + 2 >= 60)
    Sleep(static_cast<DWORD>(61 - now.wSecond) * 1000);
}

TEST_F(HookPaint, TheClockShowsTheFaceAndAReloadRepaintsIt) {
  // Cells without antialiasing (flag 4), so the text colour appears exactly.
  writeFace(u"horizontal", {u",4,,,,,:HH:mm"}, kRed);
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  bar.relayout();
  pumpFor(500);
  ScreenPixels before = readScreen(bar.clockRect());
  EXPECT_GT(before.count(kRed), 30) << "the face's red text is on screen";
  const PackedSize small = askSize(bar.clock());

  writeFace(u"horizontal", {u",4,,,,,:HH:mm:ss"}, kBlue);
  SendMessageW(bar.clock(), MSG_RELOAD, 0, 0);
  bar.relayout();
  pumpFor(500);
  const PackedSize wide = askSize(bar.clock());
  EXPECT_GT(packedWidth(wide), packedWidth(small)) << "seconds make the face wider";
  ScreenPixels after = readScreen(bar.clockRect());
  EXPECT_EQ(bar.clockRect().right - bar.clockRect().left, packedWidth(wide));
  EXPECT_GT(after.count(kBlue), 30);
  EXPECT_EQ(after.count(kRed), 0);
}

TEST_F(HookPaint, MinutesRepaintOncePerMinuteAndSecondsEverySecond) {
  writeFace(u"horizontal", {u",,,,,,:HH:mm"});
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  PaintCounter counter(bar);
  ASSERT_TRUE(counter.installed());
  waitForQuietMinute(6);
  pumpFor(1000);  // the attach's own layout and first paint
  counter.reset();
  pumpFor(5000);
  EXPECT_EQ(counter.paints(), 0) << "nothing changes on an HH:mm face within a minute";

  writeFace(u"horizontal", {u",,,,,,:HH:mm:ss"});
  SendMessageW(bar.clock(), MSG_RELOAD, 0, 0);
  pumpFor(1000);
  counter.reset();
  pumpFor(5000);
  EXPECT_GE(counter.paints(), 4);
  EXPECT_LE(counter.paints(), 6);
}

// The tick paints a seconds face straight away, but not while the clock is hidden: then it
// leaves the window invalid, and the face paints the moment it shows.
TEST_F(HookPaint, AHiddenClockPaintsNothingUntilItShows) {
  writeFace(u"horizontal", {u",4,,,,,:HH:mm:ss"}, kRed);
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  PaintCounter counter(bar);
  ASSERT_TRUE(counter.installed());
  pumpFor(1000);
  ShowWindow(bar.clock(), SW_HIDE);
  counter.reset();
  pumpFor(3000);
  EXPECT_EQ(counter.paints(), 0) << "ticks of a hidden clock";

  ShowWindow(bar.clock(), SW_SHOW);
  pumpFor(300);
  EXPECT_GE(counter.paints(), 1);
  EXPECT_GT(readScreen(bar.clockRect()).count(kRed), 30) << "the face is on screen again";
}

// The clock samples its meters on its ticks: a memory bar appears at the face's right edge in
// its colour, as long as the system's memory load. The taskbar is tall so that even a lightly
// loaded machine's bar has some pixels.
TEST_F(HookPaint, TheTicksFeedAMemoryBarBesideTheFace) {
  constexpr COLORREF kGreen = RGB(0, 255, 0);
  constexpr int kBarWidth = 6;
  writeFace(u"horizontal", {u",4,,,,,:HH:mm"}, kRed);
  auto set = openCurrentUserRoot()->createSubkey(u"Software\\OBR\\Zembrik\\horizontal",
                                                 kKeyReadWrite, KeyLifetime::Persistent);
  ASSERT_TRUE(set);
  writeText(*set.key, u"memLoad", u"R65280,6,2");
  StandinTaskbar bar(L"--thickness=400");
  TestHostWindow host;
  attach(bar, host);
  bar.relayout();
  pumpFor(500);
  const RECT rect = bar.clockRect();
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  auto barLength = [&](int delta) {
    MEMORYSTATUSEX memory{sizeof memory};
    GlobalMemoryStatusEx(&memory);
    return std::max(0, static_cast<int>(memory.dwMemoryLoad) + delta) * height / 100;
  };
  if (barLength(-1) < 1)
    GTEST_SKIP() << "the memory load is too low to show";

  ASSERT_TRUE(pumpUntil([&] { return readScreen(rect).count(kGreen) > 0; }, 4000))
      << "no memory bar after a few ticks";
  const ScreenPixels pixels = readScreen(rect);
  int greenColumns = 0;
  for (int x = 0; x < width; ++x) {
    bool green = false;
    for (int y = 0; y < height; ++y) green = green || pixels.at(x, y) == kGreen;
    if (green) {
      ++greenColumns;
      EXPECT_GE(x, width - kBarWidth) << "the bar stands at the right edge";
    }
  }
  EXPECT_EQ(greenColumns, kBarWidth);
  const int length = pixels.count(kGreen) / kBarWidth;
  EXPECT_GE(length, barLength(-2));
  EXPECT_LE(length, barLength(2));
  EXPECT_GT(pixels.count(kRed), 30) << "the face is still drawn";
}

// The host's alarm messages: a ringing alarm makes an HH:mm face blink, so it repaints every
// second; once the alarm is off the face is quiet again until its minute changes.
TEST_F(HookPaint, ARingingAlarmRepaintsEverySecondUntilItIsOff) {
  writeFace(u"horizontal", {u",,,,,,:HH:mm"});
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  PaintCounter counter(bar);
  ASSERT_TRUE(counter.installed());
  waitForQuietMinute(15);
  SendMessageW(bar.clock(), MSG_ALARM_ON, 3, 0);
  pumpFor(1000);
  counter.reset();
  pumpFor(5000);
  EXPECT_GE(counter.paints(), 4) << "the ringing face blinks";

  SendMessageW(bar.clock(), MSG_ALARM_OFF, 3, 0);
  pumpFor(1500);
  counter.reset();
  pumpFor(5000);
  EXPECT_EQ(counter.paints(), 0);
}

// A face that shows a lock key repaints when the key changes, not every second: the states are
// read once and then follow the keyboard hook's lock-key events. The change shows within a
// second, with the key's new state ("A" while Caps Lock is on, a space while it is off).
TEST_F(HookPaint, ALockKeyFaceRepaintsOnlyWhenTheKeyChangesAndShowsItsNewState) {
  writeFace(u"horizontal", {u",4,,,,,:HH:mm A"}, kRed);
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  PaintCounter counter(bar);
  ASSERT_TRUE(counter.installed());
  waitForQuietMinute(9);
  pumpFor(1500);  // the attach's paints, and the keyboard hook's installation at the next tick
  counter.reset();
  pumpFor(4000);
  EXPECT_EQ(counter.paints(), 0) << "nothing changed on the face";

  auto press = [](WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, input, sizeof(INPUT));
  };
  const int before = readScreen(bar.clockRect()).count(kRed);
  ASSERT_EQ(press(VK_CAPITAL), 2u);
  const bool shown =
      pumpUntil([&] { return readScreen(bar.clockRect()).count(kRed) != before; }, 1000);
  ASSERT_EQ(press(VK_CAPITAL), 2u);  // give the toggle back
  EXPECT_TRUE(shown) << "the key's new state is not on the face within a second";
  EXPECT_TRUE(pumpUntil([&] { return readScreen(bar.clockRect()).count(kRed) == before; }, 1000))
      << "the key's state given back is not on the face within a second";
}

// The graphs of the meters move with every sample, so a face with a graph repaints at most once
// per tick of its own timer; the native clock's timers, which also reach the window, add none.
TEST_F(HookPaint, AGraphFaceRepaintsAtMostOncePerSecond) {
  writeFace(u"horizontal", {u",,,,,,:HH:mm"});
  auto set = openCurrentUserRoot()->createSubkey(u"Software\\OBR\\Zembrik\\horizontal",
                                                 kKeyReadWrite, KeyLifetime::Persistent);
  ASSERT_TRUE(set);
  writeText(*set.key, u"cpuGraf", u"G255");
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  PaintCounter counter(bar);
  ASSERT_TRUE(counter.installed());
  waitForQuietMinute(7);
  pumpFor(1000);
  counter.reset();
  pumpFor(5000);
  EXPECT_LE(counter.paints(), 6);
}

}  // namespace
}  // namespace zembrik::testing
