#include "engine/theme/theme_binding.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zembrik {
namespace {

// The five entry points as a fake library that records its calls.
class FakeThemeLibrary final : public ThemeLibrary {
 public:
  bool present = true;
  std::set<ThemeEntry> entries{
      ThemeEntry::OpenThemeData, ThemeEntry::CloseThemeData, ThemeEntry::DrawThemeBackground,
      ThemeEntry::DrawThemeParentBackground, ThemeEntry::IsThemeBackgroundPartiallyTransparent};
  ThemeHandle nextHandle = 0x77;
  bool transparent = false;
  bool parentDraws = true;
  bool themeDraws = true;

  int loads = 0;
  int unloads = 0;
  bool loaded = false;
  std::vector<std::string> calls;
  std::u16string openedClass;
  int part = 0;
  int state = 0;

  bool load() override {
    ++loads;
    loaded = present;
    return present;
  }
  bool has(ThemeEntry entry) const override { return loaded && entries.count(entry) != 0; }
  void unload() override {
    ++unloads;
    loaded = false;
  }
  ThemeHandle openThemeData(ThemeWindow, const char16_t* classList) override {
    check(ThemeEntry::OpenThemeData);
    calls.push_back("open");
    openedClass = classList;
    return nextHandle;
  }
  void closeThemeData(ThemeHandle) override {
    check(ThemeEntry::CloseThemeData);
    calls.push_back("close");
  }
  bool drawThemeBackground(ThemeHandle, ThemeDevice, int p, int s, const Rect&) override {
    check(ThemeEntry::DrawThemeBackground);
    calls.push_back("draw");
    part = p;
    state = s;
    return themeDraws;
  }
  bool drawThemeParentBackground(ThemeWindow, ThemeDevice, const Rect&) override {
    check(ThemeEntry::DrawThemeParentBackground);
    calls.push_back("parent");
    return parentDraws;
  }
  bool isThemeBackgroundPartiallyTransparent(ThemeHandle, int, int) override {
    check(ThemeEntry::IsThemeBackgroundPartiallyTransparent);
    calls.push_back("transparent?");
    return transparent;
  }

 private:
  // Calling an entry point that was not found (or after unloading) would crash on Windows.
  void check(ThemeEntry entry) const { EXPECT_TRUE(has(entry)) << static_cast<int>(entry); }
};

constexpr ThemeWindow kClock = 0x1234;
constexpr ThemeDevice kDc = 0x5678;
const Rect kRect{0, 0, 60, 30};

TEST(ThemeBinding, BindsOnceAndCountsTheEntryPoints) {
  FakeThemeLibrary library;
  library.entries.erase(ThemeEntry::DrawThemeParentBackground);
  ThemeBinding binding(library);
  EXPECT_EQ(binding.entryCount(), 0);
  binding.bind();
  binding.bind();
  EXPECT_EQ(binding.entryCount(), 4);
  EXPECT_EQ(library.loads, 1);
  // Without one of the drawing entry points the theme is open but cannot draw the background.
  EXPECT_TRUE(binding.themed(kClock, 5));
  EXPECT_FALSE(binding.drawBackground(kClock, kDc, kRect, false, 5));
}

TEST(ThemeBinding, AnUnusableLibraryIsNotTriedAgainUntilReleased) {
  struct Case {
    const char* name;
    bool present;
    bool anyEntry;
    int unloads;
  };
  for (Case c : {Case{"missing", false, false, 0}, Case{"no_entry_points", true, false, 1}}) {
    SCOPED_TRACE(c.name);
    FakeThemeLibrary library;
    library.present = c.present;
    if (!c.anyEntry)
      library.entries.clear();
    ThemeBinding binding(library);
    EXPECT_FALSE(binding.themed(kClock, 5));
    EXPECT_FALSE(binding.drawBackground(kClock, kDc, kRect, false, 5));
    EXPECT_EQ(binding.entryCount(), -1);
    EXPECT_EQ(library.loads, 1);
    EXPECT_EQ(library.unloads, c.unloads);
    binding.refresh(true);  // nothing open: nothing to close
    EXPECT_TRUE(library.calls.empty());
    binding.release();
    EXPECT_EQ(binding.entryCount(), 0);
    EXPECT_EQ(library.unloads, c.unloads) << "what is not loaded is not unloaded";
    binding.bind();
    EXPECT_EQ(library.loads, 2) << "a release allows a new attempt";
  }
}

TEST(ThemeBinding, ClassPartAndStateFollowTheGenerationAndHover) {
  struct Case {
    int generation;
    bool hover;
    std::u16string themeClass;
    int part;
    int state;
  };
  for (Case c : {Case{2, false, u"CLOCK", 1, 1}, Case{6, true, u"CLOCK", 1, 2},
                 Case{7, false, u"TaskBand2", 5, 1}, Case{7, true, u"TaskBand2", 5, 2}}) {
    SCOPED_TRACE(c.generation * 10 + c.hover);
    FakeThemeLibrary library;
    ThemeBinding binding(library);
    EXPECT_TRUE(binding.drawBackground(kClock, kDc, kRect, c.hover, c.generation));
    EXPECT_EQ(library.openedClass, c.themeClass);
    EXPECT_EQ(library.part, c.part);
    EXPECT_EQ(library.state, c.state);
  }
}

TEST(ThemeBinding, APartlyTransparentThemeDrawsTheParentFirst) {
  struct Case {
    const char* name;
    bool transparent;
    bool parentDraws;
    bool themeDraws;
    bool drawn;
    std::vector<std::string> calls;
  };
  for (const Case& c :
       {Case{"opaque", false, true, true, true, {"open", "transparent?", "draw"}},
        Case{"transparent", true, true, true, true, {"open", "transparent?", "parent", "draw"}},
        Case{"parent_fails", true, false, true, false, {"open", "transparent?", "parent"}},
        Case{"theme_fails", false, true, false, false, {"open", "transparent?", "draw"}}}) {
    SCOPED_TRACE(c.name);
    FakeThemeLibrary library;
    library.transparent = c.transparent;
    library.parentDraws = c.parentDraws;
    library.themeDraws = c.themeDraws;
    ThemeBinding binding(library);
    EXPECT_EQ(binding.drawBackground(kClock, kDc, kRect, false, 7), c.drawn);
    EXPECT_EQ(library.calls, c.calls);
    EXPECT_EQ(binding.partiallyTransparent(), c.transparent);
  }
}

TEST(ThemeBinding, ARefreshClosesTheHandleWhichIsReopenedOnDemand) {
  FakeThemeLibrary library;
  ThemeBinding binding(library);
  binding.refresh(true);
  EXPECT_TRUE(binding.themeActive());
  EXPECT_TRUE(binding.themed(kClock, 5));
  EXPECT_TRUE(binding.themed(kClock, 5));
  binding.refresh(false);
  EXPECT_FALSE(binding.themeActive());
  EXPECT_TRUE(binding.themed(kClock, 5));
  EXPECT_EQ(library.calls, (std::vector<std::string>{"open", "close", "open"}));
}

TEST(ThemeBinding, NoThemeWhenTheSystemOpensNone) {
  FakeThemeLibrary library;
  library.nextHandle = 0;  // the classic look: OpenThemeData answers null
  ThemeBinding binding(library);
  EXPECT_FALSE(binding.themed(kClock, 5));
  EXPECT_FALSE(binding.drawBackground(kClock, kDc, kRect, false, 5));
  EXPECT_EQ(binding.entryCount(), 5);
  binding.refresh(false);
  EXPECT_EQ(library.calls, (std::vector<std::string>{"open", "open"})) << "no null is closed";
}

TEST(ThemeBinding, ReleaseClosesTheHandleBeforeUnloading) {
  FakeThemeLibrary library;
  ThemeBinding binding(library);
  binding.refresh(true);
  ASSERT_TRUE(binding.themed(kClock, 5));
  binding.release();
  EXPECT_EQ(library.calls, (std::vector<std::string>{"open", "close"}));
  EXPECT_EQ(library.unloads, 1);
  // A later refresh (the next settings load) must not call into the unloaded library.
  binding.refresh(true);
  EXPECT_EQ(library.calls.size(), 2u);
  EXPECT_EQ(binding.entryCount(), 0);
}

TEST(ThemeBinding, WithoutCloseThemeDataTheHandleIsDroppedNotClosed) {
  FakeThemeLibrary library;
  library.entries.erase(ThemeEntry::CloseThemeData);
  ThemeBinding binding(library);
  ASSERT_TRUE(binding.themed(kClock, 5));
  binding.refresh(true);  // the fake fails the test if a missing entry point is called
  EXPECT_EQ(library.calls, (std::vector<std::string>{"open"}));
}

// The detected state is what the colour table reads.
TEST(ThemeBinding, TheRefreshedStateSelectsTheColourRow) {
  class Scheme final : public SystemColours {
   public:
    Colour colour(SystemColour which) const override {
      return which == SystemColour::ButtonText ? 0x000001 : 0x000009;
    }
  };
  FakeThemeLibrary library;
  ThemeBinding binding(library);
  binding.refresh(false);
  EXPECT_EQ(refreshFaceColours(binding, 3, Scheme{}).text, 0x000001u);
  binding.refresh(true);
  EXPECT_EQ(refreshFaceColours(binding, 3, Scheme{}).text, 0xFFFFFFu);
  EXPECT_EQ(refreshFaceColours(binding, 1, Scheme{}).shadowPen, 0xFFFF7Fu);
}

}  // namespace
}  // namespace zembrik
