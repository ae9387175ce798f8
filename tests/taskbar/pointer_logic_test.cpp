// The portable arithmetic behind the clock's tooltip and mouse buttons.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/settings/mouse_settings.h"
#include "engine/taskbar/click_actions.h"
#include "engine/taskbar/tooltip_placement.h"
#include "engine/taskbar/tooltip_text.h"

namespace zembrik {
namespace {

TEST(TooltipPlacement, SitsBesideTheClockAndEndsOnePixelInsideTheMonitor) {
  struct Case {
    const char* what;
    ScreenRect monitor, clock;
    ScreenPoint cursor;
    bool vertical;
    ScreenPoint expected;
  };
  const ScreenRect primary{0, 0, 1024, 768};
  const ScreenRect leftOfPrimary{-1280, -200, 0, 824};
  const int w = 200, h = 40;
  const Case cases[] = {
      {"bottom taskbar, room above", primary, {900, 738, 1024, 768}, {500, 750}, false, {500, 697}},
      {"bottom taskbar, right edge",
       primary,
       {900, 738, 1024, 768},
       {1000, 750},
       false,
       {1024 - w - 1, 697}},
      {"exactly touching the edge moves too",
       primary,
       {900, 738, 1024, 768},
       {824, 750},
       false,
       {823, 697}},
      {"one short of the edge stays",
       primary,
       {900, 738, 1024, 768},
       {823, 750},
       false,
       {823, 697}},
      {"top taskbar, room below", primary, {900, 0, 1024, 30}, {950, 10}, false, {823, 31}},
      {"right taskbar, room left",
       primary,
       {960, 700, 1024, 760},
       {990, 720},
       true,
       {960 - w - 1, 720}},
      {"left taskbar near the bottom",
       primary,
       {0, 700, 64, 760},
       {10, 750},
       true,
       {65, 768 - h - 1}},
      {"monitor at negative coordinates",
       leftOfPrimary,
       {-1280, 794, -1100, 824},
       {-1150, 800},
       false,
       {-1150, 794 - h - 1}},
      {"negative monitor, right edge",
       leftOfPrimary,
       {-180, 794, 0, 824},
       {-10, 800},
       false,
       {-w - 1, 753}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(placeTooltip(c.monitor, c.clock, c.cursor, w, h, c.vertical), c.expected) << c.what;
  }
}

TEST(TooltipPlacement, NegativeCoordinatesSurviveThePackedPoint) {
  for (ScreenPoint p : {ScreenPoint{-201, -1}, ScreenPoint{-1280, 753}, ScreenPoint{3839, -1080}}) {
    std::uint32_t packed = packPoint(p.x, p.y);
    EXPECT_EQ(static_cast<std::int16_t>(packed & 0xFFFF), p.x);
    EXPECT_EQ(static_cast<std::int16_t>(packed >> 16), p.y);
  }
}

// Bytes of a beginning as a double-byte code page would count them: ASCII one byte, anything
// else two, a surrogate pair two (one unrepresentable character).
std::size_t doubleByteCount(std::u16string_view text) {
  std::size_t bytes = 0;
  for (char16_t c : text) bytes += c < 0x80 ? 1 : (c >= 0xDC00 && c <= 0xDFFF) ? 0 : 2;
  return bytes;
}

TEST(TooltipText, EightBitCutIsTheLongestBeginningThatFits) {
  struct Case {
    const char* what;
    std::u16string text;
    std::size_t expected;
  };
  const std::u16string ascii79(79, u'a');
  const Case cases[] = {
      {"fits whole", u"Wednesday", 9},
      {"79 bytes fit", ascii79, 79},
      {"80 bytes cut to 79", ascii79 + u"b", 79},
      {"thousands of characters", std::u16string(5000, u'x'), 79},
      {"a double-byte character is not split", std::u16string(78, u'a') + u"\u65e5\u65e5", 78},
      {"double-byte text", std::u16string(100, u'\u65e5'), 39},
      {"a surrogate pair is not split", std::u16string(78, u'a') + u"\U0001F600x", 78},
      {"empty", u"", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fittingPrefixLength(c.text, kTipBufferUnits - 1, doubleByteCount), c.expected)
        << c.what;
  }
  EXPECT_TRUE(wideTipByPointer(80));
  EXPECT_FALSE(wideTipByPointer(79));
}

TEST(ClickActions, ButtonOutcomeByActionGenerationCtrlAndAlarm) {
  using O = ButtonOutcome;
  struct Case {
    char action;
    bool up;
    int generation;
    bool ctrl, alarm;
    O expected;
  };
  const Case cases[] = {
      {'s', false, 7, false, true, O::Consume},     // a ringing clock swallows the down ...
      {'r', true, 7, true, true, O::DismissAlarm},  // ... and the up ends the display, Ctrl or not
      {0, false, 7, false, false, O::ToHost},
      {'s', true, 1, false, false, O::ToHost},  // generation 1 sends every button to the host
      {'r', false, 7, true, false, O::ToHost},  // Ctrl does too
      {'r', true, 3, false, false, O::TaskbarMenu},
      {'s', false, 7, false, false, O::NativeLeftClick},
      {'s', true, 7, false, false, O::NativeLeftClick},
      {'s', false, 3, false, false, O::NativeCalendarDown},
      {'s', true, 3, false, false, O::Consume},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(decideButton(c.action, c.up, c.generation, c.ctrl, c.alarm), c.expected)
        << int(c.action) << " up=" << c.up << " gen=" << c.generation;
  }
  EXPECT_TRUE(showsOwnTooltip(1, false, false));
  EXPECT_TRUE(showsOwnTooltip(7, false, false));
  EXPECT_FALSE(showsOwnTooltip(3, false, false));
  EXPECT_TRUE(showsOwnTooltip(3, true, false));
  EXPECT_TRUE(showsOwnTooltip(6, false, true));
}

TEST(ClickActions, TaskbarMenuPointLiesInsideTheNativeClocksPart) {
  struct Case {
    const char* what;
    bool vertical;
    ScreenRect clock;
    ScreenPoint click;
    int nativeWidth, nativeHeight;
    ScreenPoint expected;
  };
  const Case cases[] = {
      {"near the far edge", false, {800, 2, 920, 38}, {110, 5}, 70, 36, {910, 7}},
      {"far from the edge: limited to the native width",
       false,
       {800, 2, 920, 38},
       {3, 30},
       70,
       36,
       {851, 32}},
      {"clock away from the taskbar's top: y mapped",
       false,
       {800, 20, 920, 60},
       {110, 15},
       70,
       36,
       {910, 35}},
      {"vertical", true, {4, 500, 60, 620}, {10, 100}, 56, 30, {14, 600}},
      {"vertical, limited to the native height",
       true,
       {4, 500, 60, 620},
       {10, 2},
       56,
       30,
       {14, 591}},
      {"no native size: still on the clock", false, {800, 0, 920, 40}, {0, 0}, 0, 0, {919, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(taskbarMenuPoint(c.vertical, c.clock, c.click, c.nativeWidth, c.nativeHeight),
              c.expected)
        << c.what;
  }
}

}  // namespace
}  // namespace zembrik
