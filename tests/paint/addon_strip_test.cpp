// What the draw pass tells the add-on hook: the strip the add-on cells took and where each
// leading column (row on a vertical taskbar) ends; also where the add-on columns (rows), the
// separator lines after them and the clock's own cells go.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "engine/paint/face_hooks.h"
#include "tests/paint/paint_fixture.h"

namespace zembrik::testing {
namespace {

class RecordingAddons final : public AddonLayout {
 public:
  int leadingColumns(const ClockConfig& clock) const override {
    return clock.placement.vertical ? 0 : leading;
  }
  int leadingRows(const ClockConfig& clock) const override {
    return clock.placement.vertical ? leading : 0;
  }
  void placed(const Rect& placedStrip, std::span<const int> ends) override {
    strip = placedStrip;
    slotEnds.assign(ends.begin(), ends.end());
  }
  int leading = 0;
  Rect strip{1, 1, 1, 1};
  std::vector<int> slotEnds{-1};
};

class AddonStrip : public PaintFixture {
 protected:
  RecordingAddons addons;
  FacePainter withAddons{surfaces, FaceHooks{nullptr, nullptr, &addons}};

  void paintThreeCells(bool vertical, int columns) {
    clock.placement.vertical = vertical;
    for (const char16_t* text : {u"00", u"1111", u"22"}) addCell(text);
    clock.columns = columns;
    clock.rows = 3 / columns;
    withAddons.measure(clock, inputs());
    withAddons.draw(clock, inputs(), target, {80, 60});
  }
};

TEST_F(AddonStrip, HorizontalReportsTheLeadingColumnsEnds) {
  addons.leading = 2;
  paintThreeCells(false, 3);
  const int first = clock.columnMetrics[0].width + clock.columnMetrics[0].extraWidth;
  const int second = first + clock.columnMetrics[1].width + clock.columnMetrics[1].extraWidth;
  EXPECT_EQ(addons.slotEnds, (std::vector<int>{first, second}));
  EXPECT_EQ(addons.strip, (Rect{0, 0, second, 60}));
}

TEST_F(AddonStrip, VerticalReportsTheLeadingRowsEnds) {
  addons.leading = 1;
  paintThreeCells(true, 1);
  const int rowEnd = withAddons.placements()[0].rect.bottom;
  ASSERT_GT(rowEnd, 0);
  EXPECT_LT(rowEnd, withAddons.placements()[1].rect.bottom);
  EXPECT_EQ(addons.slotEnds, (std::vector<int>{rowEnd}));
  EXPECT_EQ(addons.strip, (Rect{0, 0, 80, rowEnd}));
}

// A vertical face: `leading` add-on rows, then one row of the clock's own "00" cells, in a
// 40-pixel-wide client as tall as the measure asked. Cells are letters in a font of their point
// size ("A14": "A" at 14 points, 21 pixels high; "": an empty slot).
struct VerticalCase {
  const char* name;
  std::uint32_t separator;
  int columns;
  int leading;
  std::vector<std::pair<const char16_t*, int>> addonCells;  // row-major
  int height;                                               // measured
  Rect strip;
  std::vector<int> slotEnds;
  int ownTop;                                 // of every cell of the clock's first row
  std::vector<std::pair<Colour, int>> lines;  // pen and y of each line across the client
};

void PrintTo(const VerticalCase& c, std::ostream* out) {
  *out << c.name;
}

class VerticalAddonRows : public AddonStrip, public ::testing::WithParamInterface<VerticalCase> {
 protected:
  std::vector<std::pair<Colour, int>> lines() const {
    std::vector<std::pair<Colour, int>> found;
    for (const DrawOp& op : surfaces.last->ops()) {
      if (op.kind != DrawOpKind::Line)
        continue;
      EXPECT_EQ(op.from, (Point{0, op.from.y}));
      EXPECT_EQ(op.to, (Point{40, op.from.y}));
      found.emplace_back(op.colour, op.from.y);
    }
    return found;
  }
};

constexpr Colour kHighlightPen = 0x000044, kShadowPen = 0x000055;

// The add-on rows stand aligned across the columns, then the gap with the leading lines again,
// then the clock's own cells, which end where the trailing room begins: what the draw pass
// places is what the measure counted.
TEST_P(VerticalAddonRows, StandAboveTheClocksCellsWithTheSeparatorGap) {
  const VerticalCase& c = GetParam();
  clock.placement.vertical = true;
  clock.separator = c.separator;
  clock.columns = c.columns;
  for (const auto& [text, size] : c.addonCells) {
    if (size == 0)
      addEmptySlot();
    else
      addCell(text, size);
  }
  for (int column = 0; column < c.columns; ++column) addCell(u"00");
  clock.rows = c.leading + 1;
  addons.leading = c.leading;

  const int height = packedHeight(withAddons.measure(clock, inputs()).size);
  ASSERT_EQ(height, c.height);
  withAddons.draw(clock, inputs(), target, {40, height});

  EXPECT_EQ(addons.strip, c.strip);
  EXPECT_EQ(addons.slotEnds, c.slotEnds);
  EXPECT_EQ(lines(), c.lines);
  const auto placements = withAddons.placements();
  const std::size_t firstOwn = placements.size() - static_cast<std::size_t>(c.columns);
  for (std::size_t index = firstOwn; index < placements.size(); ++index)
    EXPECT_EQ(placements[index].rect.top, c.ownTop) << "cell " << index;
  const FaceSeparators separators = decodeFaceSeparators(c.separator);
  const bool anySeparator = separators.leading || separators.trailing;
  EXPECT_EQ(placements.back().rect.bottom, height - (anySeparator ? separators.thickness : 0));
}

INSTANTIATE_TEST_SUITE_P(
    Faces, VerticalAddonRows,
    ::testing::Values(
        VerticalCase{"one_addon", 0, 1, 1, {{u"A", 10}}, 30, {0, 0, 40, 15}, {15}, 15, {}},
        VerticalCase{"one_addon_both_lines",
                     0xC000002,
                     1,
                     1,
                     {{u"A", 10}},
                     15 + 15 + 2 + 6,
                     {0, 3, 40, 18},
                     {15},
                     21,
                     {{kHighlightPen, 0},
                      {kShadowPen, 1},
                      {kHighlightPen, 18},
                      {kShadowPen, 19},
                      {kHighlightPen, 36},
                      {kShadowPen, 37}}},
        VerticalCase{"one_addon_thin_leading_line",
                     0x8000001,
                     1,
                     1,
                     {{u"A", 10}},
                     15 + 15 + 1 + 6,
                     {0, 3, 40, 18},
                     {15},
                     21,
                     {{kHighlightPen, 0}, {kHighlightPen, 18}}},
        // Add-on 1 has one cell and a padded slot; add-on 2's second cell is the taller: its row
        // is, in both columns, and the clock's own row starts below it in both.
        VerticalCase{"two_addons_two_columns",
                     0,
                     2,
                     2,
                     {{u"A", 10}, {u"", 0}, {u"B", 10}, {u"C", 14}},
                     15 + 21 + 15,
                     {0, 0, 40, 36},
                     {15, 36},
                     36,
                     {}},
        VerticalCase{"two_addons_two_columns_both_lines",
                     0xC000002,
                     2,
                     2,
                     {{u"A", 10}, {u"", 0}, {u"B", 10}, {u"C", 14}},
                     15 + 21 + 15 + 2 + 6,
                     {0, 3, 40, 39},
                     {15, 36},
                     42,
                     {{kHighlightPen, 0},
                      {kShadowPen, 1},
                      {kHighlightPen, 39},
                      {kShadowPen, 40},
                      {kHighlightPen, 57},
                      {kShadowPen, 58}}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// A horizontal face: `leading` add-on columns, then one column of the clock's own "00" cells
// (one a row), in a client as wide and as tall as the measure asked. Cells as above; a "00" at
// 10 points is 10 pixels wide, "A" 5, "CC" at 14 points 14.
struct HorizontalCase {
  const char* name;
  std::uint32_t separator;
  int leading;
  int rows;
  std::vector<std::pair<const char16_t*, int>> addonCells;  // row-major, `leading` a row
  int width;                                                // measured
  Rect strip;
  std::vector<int> slotEnds;
  int ownLeft;                                // of every cell of the clock's own column
  std::vector<std::pair<Colour, int>> lines;  // pen and x of each line down the client
};

void PrintTo(const HorizontalCase& c, std::ostream* out) {
  *out << c.name;
}

class HorizontalAddonColumns : public AddonStrip,
                               public ::testing::WithParamInterface<HorizontalCase> {
 protected:
  std::vector<std::pair<Colour, int>> lines(int height) const {
    std::vector<std::pair<Colour, int>> found;
    for (const DrawOp& op : surfaces.last->ops()) {
      if (op.kind != DrawOpKind::Line)
        continue;
      EXPECT_EQ(op.from, (Point{op.from.x, 0}));
      EXPECT_EQ(op.to, (Point{op.from.x, height}));
      found.emplace_back(op.colour, op.from.x);
    }
    return found;
  }
};

// The leading lines, the add-on columns, the gap with the leading lines again, then the clock's
// own column, which ends where the trailing room begins: no column is given spare width, since
// the draw pass places exactly what the measure counted.
TEST_P(HorizontalAddonColumns, StandLeftOfTheClocksCellsWithTheSeparatorGap) {
  const HorizontalCase& c = GetParam();
  clock.separator = c.separator;
  clock.columns = c.leading + 1;
  clock.rows = c.rows;
  for (int row = 0; row < c.rows; ++row) {
    for (int column = 0; column < c.leading; ++column) {
      const auto& [text, size] = c.addonCells[static_cast<std::size_t>(row * c.leading + column)];
      if (size == 0)
        addEmptySlot();
      else
        addCell(text, size);
    }
    addCell(u"00");
  }
  addons.leading = c.leading;

  const PackedSize wanted = withAddons.measure(clock, inputs()).size;
  ASSERT_EQ(packedWidth(wanted), c.width);
  const int height = packedHeight(wanted);
  withAddons.draw(clock, inputs(), target, {c.width, height});

  EXPECT_EQ(addons.strip, (Rect{c.strip.left, c.strip.top, c.strip.right, height}));
  EXPECT_EQ(addons.slotEnds, c.slotEnds);
  EXPECT_EQ(lines(height), c.lines);
  const auto placements = withAddons.placements();
  EXPECT_EQ(placements[0].rect.left, c.strip.left) << "the first add-on cell";
  const FaceSeparators separators = decodeFaceSeparators(c.separator);
  const bool anySeparator = separators.leading || separators.trailing;
  const int ownRight = c.width - (anySeparator ? separators.thickness + 1 : 0);
  const auto columns = static_cast<std::size_t>(clock.columns);
  for (std::size_t index = columns - 1; index < placements.size(); index += columns) {
    EXPECT_EQ(placements[index].rect.left, c.ownLeft) << "cell " << index;
    EXPECT_EQ(placements[index].rect.right, ownRight) << "cell " << index;
  }
  for (const ColumnMetrics& column : clock.columnMetrics) EXPECT_EQ(column.extraWidth, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, HorizontalAddonColumns,
    ::testing::Values(
        HorizontalCase{"one_addon", 0, 1, 1, {{u"A", 10}}, 15, {0, 0, 5, 0}, {5}, 5, {}},
        HorizontalCase{"one_addon_both_lines",
                       0xC000002,
                       1,
                       1,
                       {{u"A", 10}},
                       5 + 10 + 2 + 9,
                       {3, 0, 8, 0},
                       {5},
                       13,
                       {{kHighlightPen, 0},
                        {kShadowPen, 1},
                        {kHighlightPen, 8},
                        {kShadowPen, 9},
                        {kHighlightPen, 24},
                        {kShadowPen, 25}}},
        HorizontalCase{"one_addon_thin_leading_line",
                       0x8000001,
                       1,
                       1,
                       {{u"A", 10}},
                       5 + 10 + 1 + 9,
                       {3, 0, 8, 0},
                       {5},
                       13,
                       {{kHighlightPen, 0}, {kHighlightPen, 8}}},
        // Add-on 1 has one cell and a padded slot; add-on 2's second cell is the wider: its
        // column is, and the clock's own column starts past it in both rows.
        HorizontalCase{"two_addons_two_rows",
                       0,
                       2,
                       2,
                       {{u"A", 10}, {u"B", 10}, {u"", 0}, {u"CC", 14}},
                       5 + 14 + 10,
                       {0, 0, 19, 0},
                       {5, 19},
                       19,
                       {}},
        HorizontalCase{"two_addons_two_rows_both_lines",
                       0xC000002,
                       2,
                       2,
                       {{u"A", 10}, {u"B", 10}, {u"", 0}, {u"CC", 14}},
                       5 + 14 + 10 + 2 + 9,
                       {3, 0, 22, 0},
                       {5, 19},
                       27,
                       {{kHighlightPen, 0},
                        {kShadowPen, 1},
                        {kHighlightPen, 22},
                        {kShadowPen, 23},
                        {kHighlightPen, 38},
                        {kShadowPen, 39}}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(AddonStrip, WithoutAddonCellsTheStripIsEmpty) {
  paintThreeCells(false, 3);
  EXPECT_TRUE(addons.slotEnds.empty());
  EXPECT_EQ(addons.strip, Rect{});
}

}  // namespace
}  // namespace zembrik::testing
