#include "engine/settings/this_key.h"

#include <gtest/gtest.h>

#include "tests/settings/settings_fixture.h"

namespace zembrik::testing {
namespace {

using ThisKey = SettingsFixture;

std::optional<std::uint32_t> thisValue(RegistryKey& root, std::u16string_view name) {
  auto self = root.openSubkey(u"this", kKeyRead);
  return self ? readNumber(*self.key, name) : std::nullopt;
}

TEST_F(ThisKey, TellsWhereEachClockIs) {
  ClockConfig main = clockAt(false);
  main.placement.themeActive = true;
  ClockConfig second = clockAt(true, 1);
  second.placement.window = WindowId{0xFFFFFFFF00001234ull, 32};  // a 32-bit build's handle
  second.placement.themeActive = true;
  ASSERT_EQ(load(main), LoadOutcome::Loaded);
  ASSERT_EQ(load(second), LoadOutcome::Loaded);

  EXPECT_EQ(thisValue(*root, u"isXPtheme"), 1u);
  EXPECT_EQ(thisValue(*root, u"isVertical"), 0u);
  EXPECT_EQ(thisValue(*root, u"hwndLo"), 0x00020030u);
  EXPECT_EQ(thisValue(*root, u"hwndHi"), 0x00000001u);
  EXPECT_EQ(thisValue(*root, u"isVertical_1"), 1u);
  EXPECT_EQ(thisValue(*root, u"hwndLo_1"), 0x00001234u);
  EXPECT_EQ(thisValue(*root, u"hwndHi_1"), 0u) << "a 32-bit build has no high half";
}

TEST_F(ThisKey, IsVolatileWhileTheSettingsStay) {
  writeNumber(*settingsKey(u"horizontal"), u"nColumns", 1);
  ClockConfig clock = clockAt(false);
  ASSERT_EQ(load(clock), LoadOutcome::Loaded);
  ASSERT_TRUE(thisValue(*root, u"hwndLo"));

  registry.restart();

  auto reopened = user->openSubkey(kSettingsRootPath, kKeyRead);
  ASSERT_TRUE(reopened);
  EXPECT_FALSE(reopened.key->openSubkey(u"this", kKeyRead));
  EXPECT_TRUE(reopened.key->openSubkey(u"horizontal", kKeyRead));
}

TEST_F(ThisKey, IsRewrittenOnlyWhenSomethingChanged) {
  ClockConfig clock = clockAt(false);
  ASSERT_EQ(load(clock), LoadOutcome::Loaded);
  std::uint64_t before = registry.valueWrites();
  ASSERT_EQ(load(clock), LoadOutcome::Loaded);
  EXPECT_EQ(registry.valueWrites(), before) << "nothing changed, nothing written";

  struct Change {
    const char* what;
    void (*apply)(ClockPlacement&);
    std::uint64_t writes;
  };
  const Change changes[] = {
      {"theme", [](ClockPlacement& p) { p.themeActive = !p.themeActive; }, 1},
      {"orientation", [](ClockPlacement& p) { p.vertical = !p.vertical; }, 1},
      {"low half", [](ClockPlacement& p) { p.window.value ^= 0x10; }, 1},
      {"both halves", [](ClockPlacement& p) { p.window.value ^= 0x0000000500000010ull; }, 2},
  };
  for (const Change& change : changes) {
    change.apply(clock.placement);
    before = registry.valueWrites();
    ASSERT_EQ(load(clock), LoadOutcome::Loaded);
    EXPECT_EQ(registry.valueWrites() - before, change.writes) << change.what;
  }
}

}  // namespace
}  // namespace zembrik::testing
