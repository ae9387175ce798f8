// The grid's model: clicks and keys to selection, focus and notifications in both modes, with and
// without fixed rows and columns; geometry under a scroll offset; repaint areas; column sizing.
#include "grid/grid_model.h"

#include "grid/grid_cell_name.h"

#include <gtest/gtest.h>

#include <vector>

namespace zembrik::grid {
namespace {

constexpr GridMetrics kMetrics{20, 3, 12, 50};

// Seven pixels a character: widths are predictable.
class FakeMeasure final : public TextMeasure {
 public:
  int calls = 0;
  int textWidth(std::u16string_view text) override {
    ++calls;
    return 7 * static_cast<int>(text.size());
  }
};

GridModel makeGrid(SelectionMode mode, int fixedRows, int fixedColumns, int rows = 5,
                   int columns = 4, int viewWidth = 400, int viewHeight = 300) {
  GridModel grid;
  grid.setMetrics(kMetrics);
  grid.setSize(rows, columns);
  grid.setFixed(fixedRows, fixedColumns);
  grid.setSelectionMode(mode);
  grid.setViewSize(viewWidth, viewHeight);
  return grid;
}

constexpr CellRange kNone{};
constexpr CellPos kNoCell{};

struct ClickCase {
  const char* name;
  SelectionMode mode;
  int fixedRows, fixedColumns, rows;
  CellPos before;  // an earlier click, or none
  CellPos click;
  CellRange range;
  CellPos focus;
  bool changed;
  int headerColumn;  // -1: no header click
};

class Clicks : public ::testing::TestWithParam<ClickCase> {};

TEST_P(Clicks, SelectAndNotify) {
  const ClickCase& c = GetParam();
  GridModel grid = makeGrid(c.mode, c.fixedRows, c.fixedColumns, c.rows);
  if (c.before.valid())
    grid.click(c.before);
  GridAction action = grid.click(c.click);
  EXPECT_EQ(grid.selection(), c.range);
  EXPECT_EQ(grid.focus(), c.focus);
  EXPECT_EQ(action.selectionChanged, c.changed);
  EXPECT_EQ(action.headerClicked, c.headerColumn >= 0);
  EXPECT_EQ(action.headerColumn, c.headerColumn);
  EXPECT_FALSE(action.activated);
}

using M = SelectionMode;
INSTANTIATE_TEST_SUITE_P(
    Cases, Clicks,
    ::testing::Values(
        ClickCase{
            "CellsDataCell", M::Cells, 1, 1, 5, kNoCell, {2, 2}, {2, 2, 2, 2}, {2, 2}, true, -1},
        ClickCase{"CellsSameCellAgain",
                  M::Cells,
                  1,
                  1,
                  5,
                  {2, 2},
                  {2, 2},
                  {2, 2, 2, 2},
                  {2, 2},
                  false,
                  -1},
        ClickCase{
            "CellsColumnHeader", M::Cells, 1, 1, 5, kNoCell, {0, 2}, {1, 2, 4, 2}, {1, 2}, true, 2},
        ClickCase{"CellsColumnHeaderKeepsFocusRow",
                  M::Cells,
                  1,
                  1,
                  5,
                  {3, 1},
                  {0, 3},
                  {1, 3, 4, 3},
                  {3, 3},
                  true,
                  3},
        ClickCase{
            "CellsRowHeader", M::Cells, 1, 1, 5, kNoCell, {3, 0}, {3, 1, 3, 3}, {3, 1}, true, -1},
        ClickCase{"CellsRowHeaderKeepsFocusColumn",
                  M::Cells,
                  1,
                  1,
                  5,
                  {2, 2},
                  {4, 0},
                  {4, 1, 4, 3},
                  {4, 2},
                  true,
                  -1},
        ClickCase{"CellsCorner", M::Cells, 1, 1, 5, {2, 2}, {0, 0}, {2, 2, 2, 2}, {2, 2}, false, 0},
        ClickCase{
            "CellsNoFixed", M::Cells, 0, 0, 5, kNoCell, {0, 0}, {0, 0, 0, 0}, {0, 0}, true, -1},
        ClickCase{"CellsHeaderWithoutDataRows",
                  M::Cells,
                  1,
                  1,
                  1,
                  kNoCell,
                  {0, 2},
                  kNone,
                  kNoCell,
                  false,
                  2},
        ClickCase{
            "RowsDataCell", M::Rows, 1, 1, 5, kNoCell, {2, 2}, {2, 1, 2, 3}, {2, 2}, true, -1},
        ClickCase{"RowsOtherCellOfSameRow",
                  M::Rows,
                  1,
                  1,
                  5,
                  {2, 2},
                  {2, 3},
                  {2, 1, 2, 3},
                  {2, 3},
                  true,
                  -1},
        ClickCase{
            "RowsRowHeader", M::Rows, 1, 1, 5, kNoCell, {2, 0}, {2, 1, 2, 3}, {2, 1}, true, -1},
        ClickCase{"RowsColumnHeaderOnlyNotifies",
                  M::Rows,
                  1,
                  0,
                  5,
                  {3, 1},
                  {0, 2},
                  {3, 0, 3, 3},
                  {3, 1},
                  false,
                  2},
        ClickCase{
            "RowsNoFixedColumn", M::Rows, 1, 0, 5, kNoCell, {4, 0}, {4, 0, 4, 3}, {4, 0}, true, -1},
        ClickCase{"OutsideEveryCell",
                  M::Cells,
                  1,
                  1,
                  5,
                  {2, 2},
                  kNoCell,
                  {2, 2, 2, 2},
                  {2, 2},
                  false,
                  -1}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Clicks, DoubleClickActivatesDataRowsOnly) {
  GridModel cells = makeGrid(M::Cells, 1, 1);
  GridAction onCell = cells.doubleClick({3, 2});
  EXPECT_TRUE(onCell.activated);
  EXPECT_EQ(onCell.activatedCell, (CellPos{3, 2}));
  EXPECT_FALSE(cells.doubleClick({0, 2}).activated);  // a header: selects its column only
  EXPECT_FALSE(cells.doubleClick({2, 0}).activated);

  GridModel rows = makeGrid(M::Rows, 1, 1);
  GridAction onRowHeader = rows.doubleClick({2, 0});
  EXPECT_TRUE(onRowHeader.activated);
  EXPECT_EQ(onRowHeader.activatedCell, (CellPos{2, 1}));
}

struct KeyPress {
  GridKey key;
  bool shift = false;
  bool control = false;
};

struct KeyCase {
  const char* name;
  SelectionMode mode;
  int fixedRows, fixedColumns;
  std::vector<KeyPress> keys;  // from an empty selection
  CellRange range;
  CellPos focus;
  int notifications;  // selection-changed actions over the whole sequence
};

class Keys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Keys, MoveTheFocusOutsideTheFixedCells) {
  const KeyCase& c = GetParam();
  // 8 rows, 5 columns; 80 pixels tall: the header and 3 whole rows.
  GridModel grid = makeGrid(c.mode, c.fixedRows, c.fixedColumns, 8, 5, 400, 80);
  int notifications = 0;
  for (const KeyPress& press : c.keys) {
    GridAction action = grid.key(press.key, {press.shift, press.control});
    notifications += action.selectionChanged ? 1 : 0;
    EXPECT_FALSE(action.activated);
  }
  EXPECT_EQ(grid.selection(), c.range);
  EXPECT_EQ(grid.focus(), c.focus);
  EXPECT_EQ(notifications, c.notifications);
  if (grid.focus().valid()) {
    EXPECT_FALSE(grid.isFixed(grid.focus()));
  }
}

using K = GridKey;
INSTANTIATE_TEST_SUITE_P(
    Cases, Keys,
    ::testing::Values(
        KeyCase{"FirstArrowTakesFirstDataCell", M::Cells, 1, 1, {{K::Up}}, {1, 1, 1, 1}, {1, 1}, 1},
        KeyCase{"UpAndLeftStopBeforeHeaders",
                M::Cells,
                1,
                1,
                {{K::Down}, {K::Up}, {K::Left}, {K::Home, false, true}},
                {1, 1, 1, 1},
                {1, 1},
                1},
        KeyCase{"ShiftSpaceSelectsRow",
                M::Cells,
                1,
                1,
                {{K::Right}, {K::Right}, {K::Space, true}, {K::Space, true}},
                {1, 1, 1, 4},
                {1, 2},
                3},
        KeyCase{"CtrlSpaceSelectsColumn",
                M::Cells,
                1,
                1,
                {{K::Down}, {K::Right}, {K::Space, false, true}},
                {1, 2, 7, 2},
                {1, 2},
                3},
        KeyCase{"ArrowAfterColumnBackToOneCell",
                M::Cells,
                1,
                1,
                {{K::Down}, {K::Space, false, true}, {K::Down}},
                {2, 1, 2, 1},
                {2, 1},
                3},
        KeyCase{
            "SpaceWithoutFocusDoesNothing", M::Cells, 1, 1, {{K::Space, true}}, kNone, kNoCell, 0},
        KeyCase{
            "EndStaysInRowInCells", M::Cells, 1, 1, {{K::Down}, {K::End}}, {1, 4, 1, 4}, {1, 4}, 2},
        KeyCase{"CtrlEndToLastCell",
                M::Cells,
                1,
                1,
                {{K::Down}, {K::End, false, true}},
                {7, 4, 7, 4},
                {7, 4},
                2},
        KeyCase{"CtrlHomeBack",
                M::Cells,
                1,
                1,
                {{K::End, false, true}, {K::End, false, true}, {K::Home, false, true}},
                {1, 1, 1, 1},
                {1, 1},
                3},
        KeyCase{"PageDownByWholeVisibleRows",
                M::Cells,
                1,
                1,
                {{K::Down}, {K::PageDown}},
                {4, 1, 4, 1},
                {4, 1},
                2},
        KeyCase{"PageDownStopsAtLastRow",
                M::Cells,
                1,
                1,
                {{K::Down}, {K::PageDown}, {K::PageDown}, {K::PageDown}},
                {7, 1, 7, 1},
                {7, 1},
                3},
        KeyCase{"RowsEndToLastRow", M::Rows, 1, 1, {{K::Down}, {K::End}}, {7, 1, 7, 4}, {7, 1}, 2},
        KeyCase{"RowsSpaceDoesNothing",
                M::Rows,
                1,
                0,
                {{K::Down}, {K::Space, true}},
                {1, 0, 1, 4},
                {1, 0},
                1},
        KeyCase{"NoFixedCellsStopAtZero",
                M::Cells,
                0,
                0,
                {{K::Down}, {K::Up}, {K::Left}},
                {0, 0, 0, 0},
                {0, 0},
                1}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Keys, EnterActivatesTheFocusCellOnly) {
  GridModel grid = makeGrid(M::Cells, 1, 1);
  EXPECT_FALSE(grid.key(K::Enter, {}).activated);
  grid.click({3, 2});
  GridAction action = grid.key(K::Enter, {});
  EXPECT_TRUE(action.activated);
  EXPECT_EQ(action.activatedCell, (CellPos{3, 2}));
  EXPECT_FALSE(action.selectionChanged);
}

TEST(Keys, NothingHappensInATableWithoutDataRows) {
  GridModel grid = makeGrid(M::Rows, 1, 0, 1);
  for (K key : {K::Down, K::End, K::Enter}) {
    GridAction action = grid.key(key, {});
    EXPECT_FALSE(action.selectionChanged || action.activated);
  }
  EXPECT_FALSE(grid.focus().valid());
}

// 100 rows of 20 pixels, columns 50 wide; the view shows the header row and 4 rows, the header
// column and 3 columns; scrolled to row 10, column 3.
GridModel scrolledGrid() {
  GridModel grid = makeGrid(M::Cells, 1, 1, 100, 8, 200, 100);
  EXPECT_TRUE(grid.scrollTo({10, 3}));
  return grid;
}

TEST(Geometry, HitTestAndCellRectFollowTheScrollOffset) {
  GridModel grid = scrolledGrid();
  struct Hit {
    int x, y;
    CellPos cell;
  };
  for (Hit hit : {Hit{5, 5, {0, 0}}, Hit{60, 5, {0, 3}}, Hit{5, 25, {10, 0}}, Hit{60, 45, {11, 3}},
                  Hit{199, 99, {13, 5}}, Hit{100, 19, {0, 4}}, Hit{100, 20, {10, 4}},
                  Hit{-1, 5, kNoCell}, Hit{200, 5, kNoCell}})
    EXPECT_EQ(grid.hitTest(hit.x, hit.y), hit.cell) << hit.x << "," << hit.y;
  EXPECT_EQ(grid.cellRect({10, 3}), (PixelRect{50, 20, 100, 40}));
  EXPECT_EQ(grid.cellRect({0, 4}), (PixelRect{100, 0, 150, 20}));
  EXPECT_TRUE(grid.cellRect({9, 3}).empty());   // scrolled out above
  EXPECT_TRUE(grid.cellRect({10, 2}).empty());  // scrolled out to the left
  // Every visible cell's centre hits that cell.
  for (int row : {0, 10, 11, 12, 13})
    for (int column : {0, 3, 4, 5}) {
      PixelRect rect = grid.cellRect({row, column});
      ASSERT_FALSE(rect.empty());
      EXPECT_EQ(grid.hitTest((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2),
                (CellPos{row, column}));
    }
}

TEST(Geometry, ScrollIsClampedSoTheLastRowAndColumnEndTheView) {
  GridModel grid = scrolledGrid();
  EXPECT_EQ(grid.maxTopRow(), 96);     // rows 96..99 fill the 4 visible rows
  EXPECT_EQ(grid.maxLeftColumn(), 5);  // columns 5..7 fill the 150 pixels
  grid.scrollTo({5000, 5000});
  EXPECT_EQ(grid.scroll().topRow, 96);
  EXPECT_EQ(grid.scroll().leftColumn, 5);
  grid.scrollTo({0, 0});  // never onto the fixed row or column
  EXPECT_EQ(grid.scroll().topRow, 1);
  EXPECT_EQ(grid.scroll().leftColumn, 1);
}

TEST(Geometry, KeysAndClicksKeepTheFocusInView) {
  GridModel grid = makeGrid(M::Rows, 1, 0, 1000, 7, 400, 110);  // 4 whole rows and a part
  grid.key(K::Down, {});
  grid.key(K::End, {});
  PixelRect last = grid.cellRect({999, 0});
  ASSERT_FALSE(last.empty());
  EXPECT_LE(last.bottom, grid.viewHeight());
  grid.key(K::Home, {});
  EXPECT_EQ(grid.scroll().topRow, 1);
  // A click on the partly shown fifth row scrolls it whole into view.
  GridAction action = grid.click(grid.hitTest(5, 105));
  EXPECT_TRUE(action.scrolled);
  EXPECT_EQ(grid.focus().row, 5);
  EXPECT_LE(grid.cellRect(grid.focus()).bottom, grid.viewHeight());
}

TEST(Texts, OnlyAChangedVisibleCellIsRepainted) {
  GridModel grid = scrolledGrid();
  FakeMeasure measure;
  EXPECT_TRUE(grid.setText({11, 4}, u"in 5 sec", &measure).changed);
  TextChange same = grid.setText({11, 4}, u"in 5 sec", &measure);
  EXPECT_FALSE(same.changed);
  EXPECT_FALSE(same.dirty);
  TextChange other = grid.setText({11, 4}, u"in 4 sec", &measure);
  EXPECT_TRUE(other.changed);
  EXPECT_EQ(other.dirty, grid.cellRect({11, 4}));
  EXPECT_FALSE(other.layoutChanged);
  EXPECT_EQ(measure.calls, 0);  // fixed widths: nothing measured
  TextChange hidden = grid.setText({50, 4}, u"x", &measure);
  EXPECT_TRUE(hidden.changed);
  EXPECT_FALSE(hidden.dirty);
  EXPECT_EQ(grid.text({50, 4}), u"x");
  EXPECT_FALSE(grid.setText({100, 0}, u"x", &measure).changed);  // outside the table
}

TEST(Texts, AColumnSizedToItsContentsGrowsAndRepaintsWhatMoves) {
  GridModel grid = makeGrid(M::Rows, 1, 0, 4, 3, 400, 200);
  FakeMeasure measure;
  grid.setText({1, 1}, u"abc", &measure);
  grid.sizeColumnsToContents(measure);
  ASSERT_EQ(grid.columnWidth(1), 28);
  TextChange narrower = grid.setText({2, 1}, u"ab", &measure);
  EXPECT_EQ(narrower.dirty, grid.cellRect({2, 1}));
  TextChange wider = grid.setText({3, 1}, u"abcdef", &measure);
  EXPECT_TRUE(wider.layoutChanged);
  EXPECT_EQ(grid.columnWidth(1), 49);
  EXPECT_EQ(wider.dirty, (PixelRect{grid.columnWidth(0), 0, 400, 200}));
}

TEST(Texts, ColumnsSizedToContentsIncludePaddingAndTheSortArrow) {
  GridModel grid = makeGrid(M::Rows, 1, 0, 3, 3);
  grid.setText({0, 0}, u"TZ abbr.", nullptr);
  grid.setText({2, 0}, u"CET", nullptr);
  grid.setText({0, 1}, u"Zone", nullptr);
  grid.setText({1, 1}, u"Central European", nullptr);
  grid.setSortIndicator(0, SortDirection::Ascending);
  FakeMeasure measure;
  grid.sizeColumnsToContents(measure);
  EXPECT_EQ(grid.columnWidth(0), 7 * 8 + 7 + 12);  // the header with its arrow is widest
  EXPECT_EQ(grid.columnWidth(1), 7 * 16 + 7);
  EXPECT_EQ(grid.columnWidth(2), 7);  // empty column: padding and line only
  grid.setColumnWidth(1, 30);         // a width set by hand no longer grows
  EXPECT_EQ(grid.setText({2, 1}, u"much longer than thirty", &measure).dirty,
            grid.cellRect({2, 1}));
  EXPECT_EQ(grid.columnWidth(1), 30);
}

TEST(Structure, ResizingKeepsTextsAndDropsASelectionThatNoLongerFits) {
  GridModel grid = makeGrid(M::Cells, 1, 1, 5, 4);
  grid.setText({2, 2}, u"kept", nullptr);
  grid.setText({4, 3}, u"dropped", nullptr);
  grid.click({2, 2});
  grid.setSize(6, 3);
  EXPECT_EQ(grid.text({2, 2}), u"kept");
  EXPECT_EQ(grid.selection(), (CellRange{2, 2, 2, 2}));
  grid.setSize(6, 4);
  EXPECT_EQ(grid.text({4, 3}), u"");
  grid.setSize(2, 4);
  EXPECT_EQ(grid.selection(), kNone);
  EXPECT_FALSE(grid.focus().valid());
}

TEST(Structure, SizesAreCutToWhatMessagesAndChildIdsCarry) {
  GridModel grid;
  grid.setSize(100000, 7);
  EXPECT_EQ(grid.rowCount(), 0xFFFF);
  grid.setSize(0xFFFF, 0xFFFF);
  EXPECT_EQ(grid.columnCount(), 0xFFFF);
  EXPECT_LE(static_cast<long long>(grid.rowCount()) * grid.columnCount(), GridModel::kMaxCells);
  grid.setSize(-3, -1);
  EXPECT_EQ(grid.rowCount(), 0);
  EXPECT_EQ(grid.columnCount(), 0);
}

TEST(Structure, PageSelectionIsNormalisedToDataCells) {
  GridModel grid = makeGrid(M::Cells, 1, 1, 5, 4);
  grid.setFixed(3, 2);  // at most one each
  EXPECT_EQ(grid.fixedRows(), 1);
  EXPECT_EQ(grid.fixedColumns(), 1);
  grid.setSelection({0, 0, 9, 1});
  EXPECT_EQ(grid.selection(), (CellRange{1, 1, 4, 1}));
  EXPECT_EQ(grid.focus(), (CellPos{1, 1}));
  grid.setSelectionMode(M::Rows);
  grid.setSelection({3, 2, 3, 2});
  EXPECT_EQ(grid.selection(), (CellRange{3, 1, 3, 3}));
  grid.setSelection(kNone);
  EXPECT_FALSE(grid.focus().valid());
}

TEST(CellNames, HeadersThenText) {
  GridModel clock = makeGrid(M::Cells, 1, 1, 3, 3);
  clock.setText({0, 2}, u"col 1", nullptr);
  clock.setText({1, 0}, u"row 0", nullptr);
  clock.setText({1, 2}, u"HH:mm", nullptr);
  EXPECT_EQ(cellAccessibleName(clock, {1, 2}), u"col 1, row 0: HH:mm");
  EXPECT_EQ(cellAccessibleName(clock, {0, 2}), u"col 1");  // a header reads as itself
  EXPECT_EQ(cellAccessibleName(clock, {2, 1}), u"");       // no header texts, no text

  // The Alarms page: the row header holds ">" or blanks; blanks are not read.
  GridModel alarms = makeGrid(M::Rows, 1, 1, 3, 3);
  alarms.setText({0, 2}, u"Alarm", nullptr);
  alarms.setText({1, 0}, u"   ", nullptr);
  alarms.setText({1, 2}, u"Wake up", nullptr);
  EXPECT_EQ(cellAccessibleName(alarms, {1, 2}), u"Alarm: Wake up");
  GridModel zones = makeGrid(M::Rows, 0, 0, 2, 2);
  zones.setText({1, 1}, u"CET", nullptr);
  EXPECT_EQ(cellAccessibleName(zones, {1, 1}), u"CET");
}

}  // namespace
}  // namespace zembrik::grid
