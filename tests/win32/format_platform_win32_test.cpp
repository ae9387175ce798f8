// The format language's platform adapters against the real (Wine) system.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <iterator>

#include "engine/format/format_render.h"
#include "engine/names/name_loading.h"
#include "platform/win32/format_platform_win32.h"

namespace zembrik {
namespace {

// The user's locale replaced by US English, so the item numbers can be checked by their texts.
class EnglishLocale final : public LocaleSource {
 public:
  std::uint32_t userDefaultLocale() override { return 0x409; }
  std::optional<std::u16string> localeInfo(std::uint32_t locale, std::uint32_t item) override {
    return system.localeInfo(locale, item);
  }
  Win32LocaleSource system;
};

TEST(LocaleSourceWin32, ItemNumbersNameTheRightDaysAndMonths) {
  EnglishLocale locale;
  NameTables tables;
  tables.setEntry(NameList::LocaleDays, 0, u"not loaded");
  loadLocaleNames(tables, locale);
  EXPECT_EQ(tables.entry(NameList::LocaleDays, 0), u"Sunday");
  EXPECT_EQ(tables.entry(NameList::LocaleDays, 1), u"Monday");
  EXPECT_EQ(tables.entry(NameList::LocaleDaysAbbr, 6), u"Sat");
  EXPECT_EQ(tables.entry(NameList::LocaleMonths, 0), u"January");
  EXPECT_EQ(tables.entry(NameList::LocaleMonths, 11), u"December");
  EXPECT_EQ(tables.entry(NameList::LocaleMonthsAbbr, 8), u"Sep");
  EXPECT_EQ(tables.entry(NameList::LocaleMonthsAbbr, 12), u"");  // English has no 13th month
}

TEST(LocaleSourceWin32, FailedCallsGiveNothing) {
  Win32LocaleSource locale;
  EXPECT_NE(locale.userDefaultLocale(), 0u);
  EXPECT_FALSE(locale.localeInfo(0x409, 0x7FFF).has_value());
  EXPECT_TRUE(locale.localeInfo(locale.userDefaultLocale(), kLocaleDayName1).has_value());
}

TEST(SystemTimeZoneWin32, BiasAndNamesMatchTheSystem) {
  TIME_ZONE_INFORMATION expected{};
  DWORD state = GetTimeZoneInformation(&expected);
  Win32SystemTimeZone source;
  SystemZoneInfo info;
  ASSERT_TRUE(source.read(info));
  EXPECT_EQ(info.bias, expected.Bias);
  EXPECT_EQ(info.daylightInForce, state == TIME_ZONE_ID_DAYLIGHT);
  EXPECT_EQ(info.standardNameView(),
            std::u16string_view(reinterpret_cast<const char16_t*>(expected.StandardName)));

  // The renderer's local bias is the one the system applies now.
  std::int32_t current = expected.Bias + (state == TIME_ZONE_ID_DAYLIGHT ? expected.DaylightBias
                                                                         : expected.StandardBias);
  NameTables names;
  EmptyZoneTable zones;
  Win32LockKeyStates keys;
  FormatEnvironment env{names, zones, source, keys};
  PaintCache cache;
  SegmentState segmentState;
  std::u16string out;
  renderSegment(u"\x01\x2A", RenderMoment{}, cache, segmentState, env, out);  // zzz
  EXPECT_EQ(cache.localBias, current);
}

// Sets the toggle bits of this thread's keyboard state, and puts the old state back after.
class ThreadLockKeys {
 public:
  ThreadLockKeys() { GetKeyboardState(saved_); }
  ~ThreadLockKeys() { SetKeyboardState(saved_); }
  bool set(bool caps, bool num, bool scroll) {
    BYTE state[256];
    std::copy(std::begin(saved_), std::end(saved_), state);
    state[VK_CAPITAL] = caps ? 1 : 0;
    state[VK_NUMLOCK] = num ? 1 : 0;
    state[VK_SCROLL] = scroll ? 1 : 0;
    return SetKeyboardState(state) != FALSE;
  }

 private:
  BYTE saved_[256]{};
};

TEST(LockKeysWin32, TogglesAreReadOnceUntilForgotten) {
  ThreadLockKeys thread;
  ASSERT_TRUE(thread.set(true, false, true));
  Win32LockKeyStates keys;
  EXPECT_TRUE(keys.isToggledOn(LockKey::Caps));
  EXPECT_FALSE(keys.isToggledOn(LockKey::Num));
  EXPECT_TRUE(keys.isToggledOn(LockKey::Scroll));

  // A paint reads the keyboard once: a change within it is seen at the next paint.
  ASSERT_TRUE(thread.set(false, true, false));
  EXPECT_TRUE(keys.isToggledOn(LockKey::Caps));
  keys.forget();
  EXPECT_FALSE(keys.isToggledOn(LockKey::Caps));
  EXPECT_TRUE(keys.isToggledOn(LockKey::Num));
  EXPECT_FALSE(keys.isToggledOn(LockKey::Scroll));

  // Kept across paints of one minute; read again in the next minute.
  keys.keepWithinMinute(7);
  EXPECT_FALSE(keys.isToggledOn(LockKey::Caps));
  ASSERT_TRUE(thread.set(true, true, true));
  keys.keepWithinMinute(7);
  EXPECT_FALSE(keys.isToggledOn(LockKey::Caps)) << "the same minute keeps the read";
  keys.keepWithinMinute(8);
  EXPECT_TRUE(keys.isToggledOn(LockKey::Caps)) << "a new minute reads again";
}

// The keyboard hook's events keep the states read up to date without another read: a press
// toggles once however long the key is held. (This thread's own state keeps the old toggles:
// nothing here changes the system's.)
TEST(LockKeysWin32, APressSeenByTheHookTogglesTheKeptState) {
  ThreadLockKeys thread;
  ASSERT_TRUE(thread.set(false, true, false));
  Win32LockKeyStates keys;
  ASSERT_FALSE(keys.isToggledOn(LockKey::Caps));
  for (bool down : {true, true, true, false}) keys.noteKeyEvent(LockKey::Caps, down);
  EXPECT_TRUE(keys.isToggledOn(LockKey::Caps));
  EXPECT_TRUE(keys.isToggledOn(LockKey::Num)) << "another key keeps its state";
  keys.noteKeyEvent(LockKey::Num, true);
  keys.noteKeyEvent(LockKey::Num, false);
  EXPECT_FALSE(keys.isToggledOn(LockKey::Num));
  keys.keepWithinMinute(9);
  EXPECT_TRUE(keys.isToggledOn(LockKey::Caps)) << "a new minute does not undo what the hook saw";
  keys.forget();
  EXPECT_FALSE(keys.isToggledOn(LockKey::Caps)) << "forgotten: the system's state again";

  // Before the first read there is nothing to toggle: the read gives the system's state.
  Win32LockKeyStates unread;
  unread.noteKeyEvent(LockKey::Scroll, true);
  EXPECT_FALSE(unread.isToggledOn(LockKey::Scroll));
}

}  // namespace
}  // namespace zembrik
