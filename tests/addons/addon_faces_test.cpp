// The merge of add-on faces in front of the clock's own cells, through the settings load.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/addons/addon_faces.h"
#include "engine/settings/value_names.h"
#include "tests/settings/settings_fixture.h"

namespace zembrik::testing {
namespace {

struct Face {
  int columns;
  int rows;
  std::u16string letters;  // row-major, one letter a cell, '.' an empty slot
};

void writeFace(RegistryKey& key, const Face& face) {
  writeNumber(key, u"nColumns", static_cast<std::uint32_t>(face.columns));
  writeNumber(key, u"nRows", static_cast<std::uint32_t>(face.rows));
  for (std::size_t i = 0; i < face.letters.size(); ++i) {
    if (face.letters[i] != u'.')
      writeText(key,
                cellValueName(u"cell", static_cast<int>(i) / face.columns,
                              static_cast<int>(i) % face.columns),
                std::u16string(u",,,,,,:") + face.letters[i]);
  }
}

// The grid as letters, rows separated by '|'.
std::string picture(const ClockConfig& clock) {
  std::string out;
  for (int row = 0; row < clock.rows; ++row) {
    if (row > 0)
      out += '|';
    for (int column = 0; column < clock.columns; ++column) {
      const CellConfig* cell = clock.cellAt(row, column);
      out += cell ? static_cast<char>(cell->format[1]) : '.';
    }
  }
  return out;
}

struct MergeCase {
  const char* name;
  bool vertical;
  std::vector<Face> addons;  // registered in this order, ids 7, 8, ...
  std::string expected;
  int expectedColumns;
};

class AddonMerge : public SettingsFixture, public ::testing::WithParamInterface<MergeCase> {};

TEST_P(AddonMerge, PutsTheAddonCellsBeforeTheClocksOwn) {
  const MergeCase& test = GetParam();
  auto set = settingsKey(test.vertical ? u"vertical" : u"horizontal");
  writeFace(*set, {2, 2, u"abcd"});
  std::vector<std::int32_t> ids;
  for (std::size_t i = 0; i < test.addons.size(); ++i) {
    ids.push_back(7 + static_cast<std::int32_t>(i));
    writeFace(*set->createSubkey(u"addon_" + std::u16string(1, u'7' + static_cast<char16_t>(i)),
                                 kKeyReadWrite, KeyLifetime::Persistent)
                   .key,
              test.addons[i]);
  }
  ClockConfig clock = clockAt(test.vertical);
  SettingsSources withAddons = sources();
  withAddons.addonIds = ids;
  ASSERT_EQ(loadSettings(clock, withAddons), LoadOutcome::Loaded);

  EXPECT_EQ(picture(clock), test.expected);
  EXPECT_EQ(clock.columns, test.expectedColumns);
  EXPECT_EQ(clock.ownColumns, 2) << "the face's own column count is kept";
  EXPECT_EQ(clock.columnMetrics.size(), static_cast<std::size_t>(test.expectedColumns));
  for (const auto& cell : clock.cells) {
    if (cell) {
      EXPECT_EQ(cell->addonNumber, cell->format[1] >= u'a' ? 0 : 7 + (cell->format[1] - u'A') / 8);
    }
  }
}

// Add-on letters: A-H belong to add-on 7, I-P to add-on 8.
INSTANTIATE_TEST_SUITE_P(
    Rules, AddonMerge,
    ::testing::Values(
        MergeCase{"HorizontalOneCell", false, {{1, 1, u"A"}}, "Aab|.cd", 3},
        MergeCase{"HorizontalTallerThanGrid", false, {{1, 3, u"ABC"}}, "Aab|Bcd|C..", 3},
        MergeCase{"HorizontalWiderAndShorter", false, {{3, 1, u"ABC"}}, "ABCab|...cd", 5},
        MergeCase{
            "HorizontalTwoFirstOutermost", false, {{1, 1, u"A"}, {1, 2, u"IJ"}}, "AIab|.Jcd", 4},
        MergeCase{"VerticalOneCell", true, {{1, 1, u"A"}}, "A.|ab|cd", 2},
        MergeCase{"VerticalWiderThanGrid", true, {{3, 1, u"ABC"}}, "ABC|ab.|cd.", 3},
        MergeCase{"VerticalTwoRows", true, {{1, 2, u"AB"}}, "A.|B.|ab|cd", 2},
        MergeCase{
            "VerticalTwoFirstOutermost", true, {{1, 1, u"A"}, {2, 1, u"IJ"}}, "A.|IJ|ab|cd", 2},
        MergeCase{"NoCountsLeftOff", false, {{0, 1, u""}}, "ab|cd", 2},
        MergeCase{"BeyondTheGridLimitLeftOff", false, {{63, 1, u"A"}, {1, 1, u"I"}}, "Iab|.cd", 3},
        MergeCase{"VerticalBeyondTheLimitLeftOff", true, {{1, 63, u"A"}}, "ab|cd", 2}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(SettingsFixture, AnAddonNotInTheTableIsNotMerged) {
  auto set = settingsKey(u"horizontal");
  writeFace(*set, {1, 1, u"a"});
  writeFace(*set->createSubkey(u"addon_3", kKeyReadWrite, KeyLifetime::Persistent).key,
            {1, 1, u"A"});
  ClockConfig clock = clockAt(false);
  ASSERT_EQ(load(clock), LoadOutcome::Loaded);
  EXPECT_EQ(picture(clock), "a");
  EXPECT_TRUE(clock.addonSpans.empty());
}

}  // namespace
}  // namespace zembrik::testing
