#include <gtest/gtest.h>

#include "tests/engine_options/clock_set_fixture.h"

namespace zembrik::testing {
namespace {

class MonitorVariants : public ClockSetFixture {
 protected:
  int seeds = 0;

  void SetUp() override {
    ClockSetFixture::SetUp();
    windows.horizontalPrimary();
    windows.monitors[0x100] = {u"MONITOR\\ABC1234\\{4d36e96e-e325-11ce-bfc1-08002be10318}\\0001",
                               1920, 1080, 144};
    writeNumber(*key(u"horizontal"), u"nRows", 1);
  }
  void choose(MonitorItem item) {
    int index = lastIndexOfData(page.monitor.items, item);
    ASSERT_GE(index, 0) << "item " << item << " not offered";
    model.chooseMonitorItem(index, page, [this] { ++seeds; });
  }
  std::optional<std::uint32_t> rowsInUse() { return readNumber(*model.setKey(), u"nRows"); }
};

TEST_F(MonitorVariants, TheMonitorAndExactSizeNamesAreLookedUp) {
  key(u"horizontal\\size_1920x1080");  // without the dpi: never consulted
  model.selectClockSet(kUndeterminedSet, &page);
  EXPECT_EQ(model.monitorName(), u"ABC1234");
  EXPECT_EQ(model.monitorSizeText(), u"1920x1080_144");
  EXPECT_EQ(model.variantMode(), kAnyMonitor);
  EXPECT_EQ(texts(page.monitor.items),
            (std::vector<std::u16string>{u"Any monitor", u"Use special settings for ABC1234",
                                         u"Use special settings for 1920x1080_144"}));

  writeNumber(*key(u"horizontal\\name_ABC1234"), u"nRows", 3);
  model.selectClockSet(kUndeterminedSet, &page);
  EXPECT_EQ(model.variantMode(), kNameVariant);
  EXPECT_EQ(rowsInUse(), 3u);
  EXPECT_TRUE(page.changes.monitorComboRefilled);
  EXPECT_EQ(texts(page.monitor.items),
            (std::vector<std::u16string>{u"Special settings for ABC1234",
                                         u"Use special settings for ABC1234 @ 1920x1080_144",
                                         u"Do not use special settings for ABC1234"}));

  // No dpi known: the size name has none either.
  windows.monitors[0x100].dpi = 0;
  model.selectClockSet(kUndeterminedSet, &page);
  EXPECT_EQ(model.variantMode(), kNameVariant);
  key(u"horizontal\\name_ABC1234\\size_1920x1080");
  model.selectClockSet(kUndeterminedSet, &page);
  EXPECT_EQ(model.variantMode(), kNameAndSizeVariant);
  EXPECT_EQ(texts(page.monitor.items),
            (std::vector<std::u16string>{u"Special settings for ABC1234 @ 1920x1080",
                                         u"Do not use special settings for 1920x1080"}));
}

TEST_F(MonitorVariants, AVariantDisabledAndEnabledAgainHasItsValuesBack) {
  model.selectClockSet(kUndeterminedSet, &page);
  choose(kEnableSizeVariant);
  EXPECT_EQ(seeds, 1);
  EXPECT_TRUE(exists(u"horizontal\\size_1920x1080_144"));
  EXPECT_EQ(model.variantMode(), kSizeVariant);
  EXPECT_EQ(rowsInUse(), 1u) << "a new variant starts as a copy of its parent";
  EXPECT_EQ(windows.posted, (std::vector<WindowRef>{0x100}));
  ASSERT_TRUE(model.writeSetNumber(u"nRows", 4));

  choose(kDisableSizeVariant);
  EXPECT_TRUE(exists(u"horizontal\\1920x1080_144"));
  EXPECT_FALSE(exists(u"horizontal\\size_1920x1080_144"));
  EXPECT_EQ(model.variantMode(), kAnyMonitor);
  EXPECT_EQ(rowsInUse(), 1u);

  choose(kEnableSizeVariant);
  EXPECT_EQ(seeds, 1) << "a restored variant is not seeded";
  EXPECT_FALSE(exists(u"horizontal\\1920x1080_144"));
  EXPECT_EQ(rowsInUse(), 4u);

  // The name variant the same way, with the size variant inside it kept.
  choose(kEnableNameVariant);
  EXPECT_EQ(model.variantMode(), kNameAndSizeVariant) << "the face in use stays";
  EXPECT_EQ(rowsInUse(), 4u);
  choose(kDisableSizeVariant);
  EXPECT_EQ(model.variantMode(), kNameVariant);
  ASSERT_TRUE(model.writeSetNumber(u"nRows", 5));
  choose(kDisableNameVariant);
  EXPECT_TRUE(exists(u"horizontal\\ABC1234\\1920x1080_144"));
  EXPECT_EQ(model.variantMode(), kSizeVariant);
  EXPECT_EQ(rowsInUse(), 4u);
  choose(kEnableNameVariant);
  EXPECT_EQ(model.variantMode(), kNameAndSizeVariant);
  EXPECT_EQ(number(u"horizontal\\name_ABC1234", u"nRows"), 5u);
  EXPECT_EQ(rowsInUse(), 4u);
  EXPECT_TRUE(errors.empty());
}

TEST_F(MonitorVariants, TheNameVariantOfASizeVariantGoesWhereClocksLookAndKeepsTheFace) {
  writeNumber(*key(u"horizontal\\size_1920x1080_144"), u"nRows", 7);
  model.selectClockSet(kUndeterminedSet, &page);
  ASSERT_EQ(model.variantMode(), kSizeVariant);
  choose(kEnableNameVariant);

  EXPECT_EQ(model.variantMode(), kNameAndSizeVariant);
  EXPECT_EQ(number(u"horizontal\\name_ABC1234", u"nRows"), 1u);
  EXPECT_EQ(number(u"horizontal\\name_ABC1234\\size_1920x1080_144", u"nRows"), 7u);
  EXPECT_EQ(number(u"horizontal\\size_1920x1080_144", u"nRows"), 7u)
      << "other monitors of this size keep their variant";
  EXPECT_FALSE(exists(u"horizontal\\size_1920x1080_144\\name_ABC1234"));
  EXPECT_EQ(seeds, 1);
}

TEST_F(MonitorVariants, AVariantOfAStandInSetIsMadeBelowTheSetsOwnKey) {
  running(1, 0x201);
  windows.monitors[0x201] = windows.monitors[0x100];
  writeNumber(*key(u"horizontal\\name_ABC1234"), u"nRows", 6);
  model.chooseClockSet(1, &page);
  ASSERT_TRUE(model.usesStandInKey());
  ASSERT_EQ(model.variantMode(), kNameVariant);

  choose(kEnableSizeVariant);
  EXPECT_FALSE(model.usesStandInKey());
  EXPECT_EQ(number(u"horizontal_1", u"nRows"), 6u);
  EXPECT_EQ(number(u"horizontal_1\\size_1920x1080_144", u"nRows"), 6u);
  EXPECT_FALSE(exists(u"horizontal\\name_ABC1234\\size_1920x1080_144"));
  EXPECT_EQ(model.variantMode(), kSizeVariant);
}

TEST_F(MonitorVariants, AVariantThatCannotBeRenamedStaysInUse) {
  key(u"horizontal\\size_1920x1080_144");
  key(u"horizontal\\1920x1080_144");  // the disabled name is taken
  model.selectClockSet(kUndeterminedSet, &page);
  choose(kDisableSizeVariant);
  EXPECT_EQ(model.variantMode(), kSizeVariant);
  EXPECT_EQ(windows.posted, (std::vector<WindowRef>{0x100}));
  EXPECT_EQ(page.monitor.selection, 0) << "the combo shows the variant still in use";
  EXPECT_TRUE(page.changes.monitorComboRefilled);
}

}  // namespace
}  // namespace zembrik::testing
