// How the attached clock blends into the stand-in taskbar: the face sits on the taskbar's own
// background, and in the classic look the "FlatTray" option takes the notification area's
// sunken edge away until the clock detaches.
#include <optional>

#include "engine/theme/theme_detection.h"
#include "tests/hook/hook_fixture.h"

namespace zembrik::testing {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

using HookTheme = HookTest;

// Wine's prefix turns its own visual style on ("ThemeActive" = "1"); a test that wants the
// classic look turns it off for its duration. Programs started afterwards see the change.
class ThemeActiveValue {
 public:
  explicit ThemeActiveValue(const char16_t* value) {
    key_ = openCurrentUserRoot()->createSubkey(kThemeManagerPath, kKeyReadWrite,
                                               KeyLifetime::Persistent);
    if (!key_)
      return;
    previous_ = readText(*key_.key, u"ThemeActive");
    writeText(*key_.key, u"ThemeActive", value);
  }
  ~ThemeActiveValue() {
    if (!key_)
      return;
    if (previous_) {
      writeText(*key_.key, u"ThemeActive", *previous_);
    } else {
      key_.key->deleteValue(u"ThemeActive");
    }
  }
  ThemeActiveValue(const ThemeActiveValue&) = delete;
  ThemeActiveValue& operator=(const ThemeActiveValue&) = delete;

 private:
  OpenedKey key_;
  std::optional<std::u16string> previous_;
};

HWND notifyArea(const StandinTaskbar& bar) {
  return FindWindowExW(bar.taskbar(), nullptr, L"TrayNotifyWnd", nullptr);
}

bool hasSunkenEdge(HWND window) {
  return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_STATICEDGE) != 0;
}

void writeSetNumber(const char16_t* set, const char16_t* name, std::uint32_t value) {
  auto key = openCurrentUserRoot()->createSubkey(std::u16string(u"Software\\OBR\\Zembrik\\") + set,
                                                 kKeyReadWrite, KeyLifetime::Persistent);
  ASSERT_TRUE(key);
  writeNumber(*key.key, name, value);
}

struct BackgroundCase {
  const char* name;
  const wchar_t* arguments;
  const char16_t* set;
  bool vertical;
  const char16_t* themeActive;
};

class HookBackground : public HookTest, public ::testing::WithParamInterface<BackgroundCase> {};

// The stand-in's backgrounds repeat every 8 pixels along the bar (stripes) or not at all
// (gradients across it), so every pixel of the clock must equal the pixel of the bare task
// band 8 * n pixels away along the bar. Any offset in the capture shows at the stripes.
TEST_P(HookBackground, TheFaceSitsOnTheTaskbarsOwnBackground) {
  const BackgroundCase& c = GetParam();
  ThemeActiveValue theme(c.themeActive);
  // A short face without antialiasing (flag 4): every text pixel is exactly red.
  writeFace(c.set, {u",4,,,,,:HH"}, kRed);
  StandinTaskbar bar(c.arguments);
  TestHostWindow host;
  attach(bar, host);
  bar.relayout();
  pumpFor(800);

  RECT clock = bar.clockRect();
  RECT taskbar{};
  GetWindowRect(bar.taskbar(), &taskbar);
  // A stretch of the band past its two task buttons, level with the clock.
  const int reference = c.vertical ? taskbar.top + 120 : taskbar.left + 320;
  RECT band = c.vertical ? RECT{clock.left, reference, clock.right, reference + 8}
                         : RECT{reference, clock.top, reference + 8, clock.bottom};
  ScreenPixels face = readScreen(clock);
  ScreenPixels bare = readScreen(band);
  ASSERT_FALSE(face.pixels.empty());
  ASSERT_EQ(bare.pixels.size(),
            static_cast<std::size_t>(
                8 * (c.vertical ? clock.right - clock.left : clock.bottom - clock.top)));
  int text = 0, matching = 0, wrong = 0;
  std::string firstWrong;
  for (int y = 0; y < clock.bottom - clock.top; ++y) {
    for (int x = 0; x < clock.right - clock.left; ++x) {
      COLORREF pixel = face.at(x, y);
      if (pixel == kRed) {
        ++text;
        continue;
      }
      int along = c.vertical ? clock.top + y - reference : clock.left + x - reference;
      int phase = ((along % 8) + 8) % 8;
      COLORREF expected = c.vertical ? bare.at(x, phase) : bare.at(phase, y);
      if (pixel == expected) {
        ++matching;
      } else if (wrong++ == 0) {
        firstWrong = "at (" + std::to_string(x) + "," + std::to_string(y) + ")";
      }
    }
  }
  EXPECT_GT(text, 10) << "the face's text is on screen";
  EXPECT_GT(matching, 100);
  EXPECT_EQ(wrong, 0) << "background pixels differ from the taskbar's, first " << firstWrong;
}

INSTANTIATE_TEST_SUITE_P(
    Looks, HookBackground,
    ::testing::Values(
        BackgroundCase{"pattern", L"--background=pattern", u"horizontal", false, u"1"},
        BackgroundCase{"classic_pattern", L"--classic --background=pattern", u"horizontal", false,
                       u"0"},
        BackgroundCase{"classic_pattern_left", L"--classic --background=pattern --edge=left",
                       u"vertical", true, u"0"},
        BackgroundCase{"translucent_pattern", L"--translucent --background=pattern", u"horizontal",
                       false, u"1"},
        BackgroundCase{"gradient_right", L"--background=gradient --edge=right", u"vertical", true,
                       u"1"}),
    [](const ::testing::TestParamInfo<BackgroundCase>& look) {
      return std::string(look.param.name);
    });

TEST_F(HookTheme, FlatTrayRemovesTheSunkenEdgeUntilDetach) {
  struct Case {
    const char* name;
    std::uint32_t flatTray;
    bool edgeWhileAttached;
  };
  for (Case c : {Case{"flat", 1, false}, Case{"sunken", 0, true}}) {
    SCOPED_TRACE(c.name);
    ThemeActiveValue classic(u"0");
    writeFace(u"horizontal", {u",,,,,,:HH:mm"});
    writeSetNumber(u"horizontal", u"FlatTray", c.flatTray);
    StandinTaskbar bar(L"--classic");
    TestHostWindow host;
    HWND notify = notifyArea(bar);
    ASSERT_TRUE(notify);
    ASSERT_TRUE(hasSunkenEdge(notify)) << "the classic stand-in starts sunken";
    attach(bar, host);
    EXPECT_EQ(hasSunkenEdge(notify), c.edgeWhileAttached);
    EXPECT_EQ(thisValue(u"isXPtheme"), 0u);
    endHook();
    EXPECT_TRUE(hasSunkenEdge(notify)) << "detaching gives the edge back";
  }
}

TEST_F(HookTheme, AReloadAppliesAChangedFlatTray) {
  ThemeActiveValue classic(u"0");
  writeFace(u"horizontal", {u",,,,,,:HH:mm"});
  writeSetNumber(u"horizontal", u"FlatTray", 0);
  StandinTaskbar bar(L"--classic");
  TestHostWindow host;
  HWND notify = notifyArea(bar);
  ASSERT_TRUE(notify);
  attach(bar, host);
  ASSERT_TRUE(hasSunkenEdge(notify));
  writeSetNumber(u"horizontal", u"FlatTray", 1);
  SendMessageW(bar.clock(), MSG_RELOAD, 0, 0);
  EXPECT_FALSE(hasSunkenEdge(notify));
  writeSetNumber(u"horizontal", u"FlatTray", 0);
  SendMessageW(bar.clock(), MSG_RELOAD, 0, 0);
  EXPECT_TRUE(hasSunkenEdge(notify));
  endHook();
}

// The default text colour is the scheme's button text in the classic look and white under a
// visual style; a theme change at run time repaints the face in the other one.
TEST_F(HookTheme, AThemeChangeRepaintsInTheColoursOfTheNewLook) {
  ThemeActiveValue classic(u"0");
  writeFace(u"horizontal", {u",4,,,,,:HH"});  // the default colour, no antialiasing
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  bar.relayout();
  pumpFor(500);
  const COLORREF buttonText = GetSysColor(COLOR_BTNTEXT);
  const COLORREF white = RGB(255, 255, 255);
  ASSERT_NE(buttonText, white);
  ScreenPixels before = readScreen(bar.clockRect());
  EXPECT_GT(before.count(buttonText), 10);
  EXPECT_EQ(before.count(white), 0);
  {
    ThemeActiveValue themed(u"1");
    SendMessageW(bar.clock(), WM_THEMECHANGED, 0, 0);
    pumpFor(500);
    ScreenPixels after = readScreen(bar.clockRect());
    EXPECT_GT(after.count(white), 10);
    EXPECT_EQ(after.count(buttonText), 0);
  }
}

TEST_F(HookTheme, UnderAVisualStyleFlatTrayIsLeftToTheTheme) {
  ThemeActiveValue themed(u"1");
  writeFace(u"horizontal", {u",,,,,,:HH:mm"});
  writeSetNumber(u"horizontal", u"FlatTray", 1);
  StandinTaskbar bar(L"--classic");
  TestHostWindow host;
  HWND notify = notifyArea(bar);
  ASSERT_TRUE(notify);
  attach(bar, host);
  EXPECT_TRUE(hasSunkenEdge(notify));
  EXPECT_EQ(thisValue(u"isXPtheme"), 1u) << "the key `this` reports the theme";
  endHook();
  EXPECT_TRUE(hasSunkenEdge(notify));
}

TEST_F(HookTheme, FlatTrayLeavesANotificationAreaWithoutEdgeAlone) {
  ThemeActiveValue classic(u"0");
  writeFace(u"horizontal", {u",,,,,,:HH:mm"});
  writeSetNumber(u"horizontal", u"FlatTray", 0);
  StandinTaskbar bar;  // the modern look: no sunken edge to begin with
  TestHostWindow host;
  HWND notify = notifyArea(bar);
  ASSERT_TRUE(notify);
  ASSERT_FALSE(hasSunkenEdge(notify));
  attach(bar, host);
  EXPECT_FALSE(hasSunkenEdge(notify));
  endHook();
  EXPECT_FALSE(hasSunkenEdge(notify));
}

// After a reload under a visual style the clock asks for one pixel more until its next tick, so
// that the themed taskbar lays out again; in the classic look the answer is the measure at once.
TEST_F(HookTheme, AReloadUnderAVisualStyleAsksForOnePixelMoreUntilTheNextTick) {
  for (const char16_t* look : {u"1", u"0"}) {
    SCOPED_TRACE(look[0] == u'1' ? "themed" : "classic");
    ThemeActiveValue theme(look);
    writeFace(u"horizontal", {u",,,,,,:HH:mm"});
    StandinTaskbar bar;
    TestHostWindow host;
    attach(bar, host);
    pumpFor(1500);
    const PackedSize settled = askSize(bar.clock());
    ASSERT_NE(settled, 0u);

    SendMessageW(bar.clock(), MSG_RELOAD, 0, 0);
    EXPECT_EQ(askSize(bar.clock()), look[0] == u'1' ? settled + 1 : settled);
    pumpFor(1500);
    EXPECT_EQ(askSize(bar.clock()), settled) << "the next tick ends the wider answer";
    endHook();
  }
}

}  // namespace
}  // namespace zembrik::testing
