#include <gtest/gtest.h>

#include "tests/engine_options/clock_set_fixture.h"

namespace zembrik::testing {
namespace {

using ClockSetSelection = ClockSetFixture;

TEST_F(ClockSetSelection, WithoutSecondarySetsTheLabelNamesThePrimaryOrientation) {
  struct Case {
    bool vertical;
    ClockSetId set;
    const char16_t* label;
  };
  for (Case c : {Case{false, kPrimaryHorizontalSet, u"Horizontal TaskBar"},
                 Case{true, kPrimaryVerticalSet, u"Vertical TaskBar"}}) {
    ClockSetModel fresh(*user, windows, [](const std::u16string&) {});
    ASSERT_TRUE(fresh.openSettingsKey());
    PageCombos combos;
    c.vertical ? windows.verticalPrimary() : windows.horizontalPrimary();
    EXPECT_TRUE(fresh.selectClockSet(kUndeterminedSet, &combos));
    EXPECT_EQ(fresh.currentSet(), c.set);
    EXPECT_FALSE(combos.clockSet.comboShown);
    EXPECT_TRUE(combos.clockSet.items.empty());
    EXPECT_EQ(combos.clockSet.label, c.label);
    EXPECT_EQ(fresh.selectedClock(), 0x100u);
    EXPECT_TRUE(exists(c.vertical ? u"vertical" : u"horizontal"));
  }
}

TEST_F(ClockSetSelection, ListsPrimarySetsThenRunningAndStoredSetsInSignedOrder) {
  windows.horizontalPrimary();
  running(1, 0x201);
  running(2, 0x202);
  key(u"vertical_3");
  // Names that only look like sets are not listed.
  for (const char16_t* odd :
       {u"vertical_0", u"horizontal_x1", u"horizontal_", u"vertical_-4", u"horizontal_99999999999"})
    key(odd);

  model.selectClockSet(kUndeterminedSet, &page);
  EXPECT_TRUE(page.clockSet.comboShown);
  EXPECT_EQ(
      texts(page.clockSet.items),
      (std::vector<std::u16string>{
          u"Primary Clock Horizontal Settings", u"Primary Clock Vertical Settings",
          u"Secondary Clock (3) Vertical Settings", u"Secondary Clock (2) Vertical Settings",
          u"Secondary Clock (1) Vertical Settings", u"Secondary Clock (1) Horizontal Settings",
          u"Secondary Clock (2) Horizontal Settings"}));
  EXPECT_EQ(page.clockSet.items[1].data, kPrimaryVerticalSet);
  EXPECT_EQ(page.clockSet.items[2].data, -3);
  EXPECT_EQ(page.clockSet.selection, 0);
}

TEST_F(ClockSetSelection, ThePrimarySetFollowsTheTaskbarWhileItsClockIsSelected) {
  windows.horizontalPrimary();
  key(u"vertical_2");
  model.selectClockSet(kUndeterminedSet, &page);

  // The user picks the vertical set on a horizontal taskbar: it holds until the next refresh.
  model.chooseClockSet(kPrimaryVerticalSet, &page);
  EXPECT_EQ(model.currentSet(), kPrimaryVerticalSet);
  EXPECT_EQ(page.clockSet.selection, 1);
  EXPECT_EQ(page.clockSet.label, u"Vertical TaskBar") << "the label follows the set";

  EXPECT_TRUE(model.selectClockSet(kUndeterminedSet, &page));
  EXPECT_EQ(model.currentSet(), kPrimaryHorizontalSet);
  EXPECT_EQ(page.clockSet.selection, 0);

  // A stored set without a running clock is not judged by any taskbar: it stays.
  model.chooseClockSet(-2, &page);
  model.selectClockSet(kUndeterminedSet, &page);
  EXPECT_EQ(model.currentSet(), -2);
  EXPECT_EQ(model.selectedClock(), kNoWindow);
}

TEST_F(ClockSetSelection, ASecondarySetFollowsTheOrientationOfItsTaskbar) {
  windows.horizontalPrimary();
  running(1, 0x201);
  windows.secondaries = {{0x209, {1280, 0, 1340, 800}}, {0x201, {1280, 0, 1340, 800}}};
  model.selectClockSet(kUndeterminedSet, &page);

  model.chooseClockSet(1, &page);
  EXPECT_EQ(model.selectedClock(), 0x201u);
  model.selectClockSet(kUndeterminedSet, &page);
  EXPECT_EQ(model.currentSet(), -1) << "the second taskbar is taller than wide";
  EXPECT_EQ(page.clockSet.label, u"vertical_1");
}

TEST_F(ClockSetSelection, AnIdleRefreshWritesNothingAndRefillsNothing) {
  windows.horizontalPrimary();
  running(1, 0x201);
  windows.monitors[0x100] = {u"MONITOR\\ABC1234\\{4d36e96e-e325-11ce-bfc1-08002be10318}\\0001",
                             1920, 1080, 144};
  EXPECT_TRUE(model.selectClockSet(kUndeterminedSet, &page));
  EXPECT_TRUE(page.changes.setComboRefilled && page.changes.setSelectionMoved &&
              page.changes.monitorComboRefilled);

  const std::uint64_t writes = registry.valueWrites();
  for (int second = 0; second < 3; ++second) {
    EXPECT_FALSE(model.selectClockSet(kUndeterminedSet, &page));
    EXPECT_FALSE(page.changes.any());
  }
  EXPECT_EQ(registry.valueWrites(), writes);
  EXPECT_TRUE(windows.posted.empty());

  // Another page's combos are filled when it is shown; the first page's are refilled after.
  PageCombos other;
  EXPECT_TRUE(model.selectClockSet(kUndeterminedSet, &other));
  EXPECT_TRUE(other.changes.setComboRefilled);
  EXPECT_TRUE(model.selectClockSet(kUndeterminedSet, &page));
  EXPECT_TRUE(page.changes.setComboRefilled);
  // A clock that starts is listed at the next refresh.
  running(2, 0x202);
  EXPECT_TRUE(model.selectClockSet(kUndeterminedSet, &page));
  EXPECT_TRUE(page.changes.setComboRefilled);
  EXPECT_FALSE(page.changes.monitorComboRefilled);
}

TEST_F(ClockSetSelection, ASetWithoutARunningClockTellsEveryClockAndNoMissingHost) {
  windows.horizontalPrimary();
  running(1, 0x201);
  windows.secondaries = {{0x201, {1280, 0, 2560, 30}}, {0, {2560, 0, 3840, 30}}};
  model.chooseClockSet(5, &page);
  model.notifyClock(NotifyScope::SelectedClock);
  EXPECT_EQ(windows.posted, (std::vector<WindowRef>{0x201, 0x100}));
}

TEST_F(ClockSetSelection, TheFirstWriteToAStandInSetCreatesItsOwnKeyAsACopy) {
  windows.horizontalPrimary();
  running(1, 0x201);
  auto primary = key(u"horizontal");
  writeNumber(*primary, u"nRows", 2);
  writeText(*primary, u"cell_0_0", u"%H:%M");
  key(u"horizontal\\size_640x480");
  model.chooseClockSet(1, &page);
  ASSERT_TRUE(model.usesStandInKey());

  // An unchanged value creates nothing.
  EXPECT_TRUE(model.writeSetNumber(u"nRows", 2));
  EXPECT_FALSE(exists(u"horizontal_1"));

  EXPECT_TRUE(model.writeSetText(u"cell_0_0", u"%S"));
  EXPECT_FALSE(model.usesStandInKey());
  EXPECT_EQ(number(u"horizontal_1", u"nRows"), 2u) << "copied from the key that stood in";
  EXPECT_FALSE(exists(u"horizontal_1\\size_640x480")) << "values only, no subkeys";
  EXPECT_EQ(readText(*key(u"horizontal_1"), u"cell_0_0"), u"%S");
  EXPECT_EQ(readText(*primary, u"cell_0_0"), u"%H:%M") << "the main clock keeps its face";

  // From now on the set has its own key, also after a refresh.
  model.selectClockSet(kUndeterminedSet, &page);
  EXPECT_FALSE(model.usesStandInKey());
  EXPECT_TRUE(model.writeSetNumber(u"nRows", 3));
  EXPECT_EQ(number(u"horizontal", u"nRows"), 2u);
  EXPECT_TRUE(errors.empty());
}

TEST_F(ClockSetSelection, DoesNothingWithoutTheSettingsKey) {
  model.closeKeys();
  EXPECT_FALSE(model.selectClockSet(kUndeterminedSet, &page));
  EXPECT_EQ(model.setKey(), nullptr);
  EXPECT_FALSE(model.writeSetNumber(u"nRows", 1));
  EXPECT_EQ(windows.queries, 0);
}

}  // namespace
}  // namespace zembrik::testing

namespace zembrik::testing {
namespace {

// Refuses to create a key of the given name, as a key protected by its access rights would.
class RefusingCreateKey final : public ForwardingKey {
 public:
  RefusingCreateKey(std::unique_ptr<RegistryKey> inner, std::u16string refused)
      : ForwardingKey(std::move(inner)), refused_(std::move(refused)) {}
  OpenedKey createSubkey(std::u16string_view path, KeyAccess access,
                         KeyLifetime lifetime) override {
    if (path == refused_)
      return {RegStatus::AccessDenied, nullptr};
    return ForwardingKey::createSubkey(path, access, lifetime);
  }

 protected:
  std::unique_ptr<RegistryKey> wrap(std::unique_ptr<RegistryKey> key) override {
    return std::make_unique<RefusingCreateKey>(std::move(key), refused_);
  }

 private:
  std::u16string refused_;
};

TEST(ClockSetFailures, AKeyThatCannotBeCreatedIsReportedOnceAndNothingIsWritten) {
  struct Case {
    const char16_t* refused;
    ClockSetId set;
  };
  for (Case c : {Case{u"horizontal", kPrimaryHorizontalSet}, Case{u"horizontal_1", 1}}) {
    MemoryRegistry registry;
    RefusingCreateKey user(registry.currentUser(), c.refused);
    FakeClockSetWindows windows;
    std::vector<std::u16string> errors;
    ClockSetModel model(user, windows, [&](const std::u16string& text) { errors.push_back(text); });
    ASSERT_TRUE(model.openSettingsKey());
    for (int second = 0; second < 3; ++second) EXPECT_FALSE(model.selectClockSet(c.set, nullptr));
    EXPECT_FALSE(model.writeSetNumber(u"nRows", 2));
    EXPECT_FALSE(model.writeSetNumber(u"nRows", 3));
    EXPECT_EQ(errors, std::vector<std::u16string>{u"Error can't open registry: "
                                                  u"Software\\OBR\\Zembrik\\" +
                                                  std::u16string(c.refused)})
        << "one box, not one a second; the writes after it are skipped";
    EXPECT_EQ(registry.valueWrites(), 0u);
  }
}

}  // namespace
}  // namespace zembrik::testing
