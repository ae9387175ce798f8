// Rows and columns on the Clock page: which commands the selection allows, that every cell keeps
// its values when the grid changes around it, and the order of the writes.
#include "tests/clock_page/clock_page_fixture.h"

namespace zembrik::testing {
namespace {

class PageGrid : public ClockPageFixture {
 protected:
  // 2 x 2 with a font, an own colour and a kept-aside colour, each on a different cell.
  void storeTwoByTwo();
};

void PageGrid::storeTwoByTwo() {
  auto key = setKey(u"horizontal");
  writeNumber(*key, u"nColumns", 2);
  writeNumber(*key, u"nRows", 2);
  writeText(*key, u"cell_0_0", u",,,,,,:a");
  writeText(*key, u"font_0_0", u"9,,:A");
  writeText(*key, u"cell_0_1", u",,,,,,:b");
  writeNumber(*key, u"color_0_1", 0x0000FF);
  writeText(*key, u"cell_1_0", u",,,,,,:c");
  writeNumber(*key, u"_color_1_0", 0x00FF00);
  writeText(*key, u"cell_1_1", u",,,,,,:d");
}

TEST_F(PageGrid, CommandsFollowWhatTheSelectionCovers) {
  struct Case {
    const char* what;
    int columns;
    int rows;
    GridSelection selection;
    GridCommandStates
        states;  // insertColumn, deleteColumn, insertRowAbove, insertRowBelow, deleteRow
  };
  const Case cases[] = {
      {"one cell of many", 2, 2, {0, 0, 0, 0, 0, 0, 1}, {}},
      {"whole column", 2, 2, {0, 1, 1, 1, 0, 1, 2}, {true, true, false, false, false}},
      {"whole row", 2, 2, {1, 0, 1, 1, 1, 0, 2}, {false, false, true, true, true}},
      {"column of a one-column face",
       1,
       2,
       {0, 0, 1, 0, 0, 0, 2},
       {true, false, false, false, false}},
      {"the one cell of a 1x1 face", 1, 1, {0, 0, 0, 0, 0, 0, 1}, {true, false, true, true, true}},
      {"two columns", 2, 2, {0, 0, 1, 1, 0, 0, 4}, {}},
      {"no rows", 2, 0, {}, {false, false, true, true, false}},
      {"no columns", 0, 2, {}, {true, false, false, false, false}},
      {"a full width", 64, 1, {0, 3, 0, 3, 0, 3, 1}, {false, true, false, false, false}},
      {"a full height", 2, 64, {5, 0, 5, 1, 5, 0, 2}, {false, false, false, false, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    store(u"horizontal", c.columns, c.rows, {});
    page.afterSelectClockSet(true);
    page.select(c.selection);
    GridCommandStates states = page.commandStates();
    EXPECT_EQ(std::tie(states.insertColumn, states.deleteColumn, states.insertRowAbove,
                       states.insertRowBelow, states.deleteRow),
              std::tie(c.states.insertColumn, c.states.deleteColumn, c.states.insertRowAbove,
                       c.states.insertRowBelow, c.states.deleteRow));
  }
}

TEST_F(PageGrid, InsertingAndDeletingKeepEveryOtherCellWithItsFontAndColours) {
  storeTwoByTwo();
  open();
  selectColumn(0);
  ASSERT_TRUE(page.insertColumn(false));  // before column 0
  EXPECT_EQ(number(u"horizontal", u"nColumns"), 3u);
  EXPECT_EQ(text(u"horizontal", u"cell_0_0"), u"<absent>");
  EXPECT_EQ(text(u"horizontal", u"cell_0_1"), u",,,,,,:a");
  EXPECT_EQ(text(u"horizontal", u"font_0_1"), u"9,,:A");
  EXPECT_EQ(text(u"horizontal", u"font_0_0"), u"<absent>");
  EXPECT_EQ(number(u"horizontal", u"color_0_2"), 0x0000FFu);
  EXPECT_FALSE(number(u"horizontal", u"color_0_1"));
  EXPECT_EQ(number(u"horizontal", u"_color_1_1"), 0x00FF00u);  // the kept colour moved too
  EXPECT_FALSE(number(u"horizontal", u"_color_1_0"));

  selectRow(0);
  ASSERT_TRUE(page.insertRow(false));  // above row 0
  EXPECT_EQ(text(u"horizontal", u"cell_2_1"), u",,,,,,:c");
  EXPECT_EQ(number(u"horizontal", u"_color_2_1"), 0x00FF00u);
  EXPECT_EQ(text(u"horizontal", u"cell_1_2"), u",,,,,,:b");

  selectRow(2);
  ASSERT_TRUE(page.deleteRow());  // row of "c", with its kept colour
  EXPECT_EQ(number(u"horizontal", u"nRows"), 2u);
  EXPECT_FALSE(number(u"horizontal", u"_color_1_1"));
  selectColumn(0);
  ASSERT_TRUE(page.deleteColumn());
  EXPECT_EQ(number(u"horizontal", u"nColumns"), 2u);
  EXPECT_EQ(text(u"horizontal", u"cell_1_0"), u",,,,,,:a");
  EXPECT_EQ(text(u"horizontal", u"font_1_0"), u"9,,:A");
  EXPECT_EQ(number(u"horizontal", u"color_1_1"), 0x0000FFu);

  // What the page shows after a reload is what it showed before it.
  std::vector<std::u16string> shown;
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 2; ++column) shown.push_back(page.gridText(row, column));
  page.afterSelectClockSet(true);
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 2; ++column)
      EXPECT_EQ(page.gridText(row, column), shown[static_cast<std::size_t>(row * 2 + column)]);
}

TEST_F(PageGrid, CountsAreWrittenLastWhenGrowingAndFirstWhenShrinking) {
  storeTwoByTwo();
  open();
  selectColumn(0);
  ASSERT_TRUE(page.insertColumn(false));  // every cell moves one column to the right
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[log.size() - 2], u"set nColumns");  // nRows is unchanged and not rewritten
  EXPECT_EQ(std::count(log.begin(), log.end(), u"set cell_1_2"), 1);
  expectOneNotificationLast();

  log.clear();
  selectRow(1);
  ASSERT_TRUE(page.deleteRow());
  EXPECT_EQ(log.front(), u"set nRows");
  expectOneNotificationLast();
  EXPECT_EQ(page.layout().rows, 1);
  EXPECT_FALSE(page.commandStates().deleteRow) << "no selection after a command";
}

TEST_F(PageGrid, AnEmptyGridTakesItsFirstRowAndColumn) {
  store(u"horizontal", 0, 0, {});
  open();
  ASSERT_TRUE(page.insertRow(true));
  ASSERT_TRUE(page.insertColumn(false));
  EXPECT_EQ(number(u"horizontal", u"nRows"), 1u);
  EXPECT_EQ(number(u"horizontal", u"nColumns"), 1u);
  selectCell(0, 0);
  ASSERT_TRUE(page.setText(u"HH:mm"));
  EXPECT_EQ(text(u"horizontal", u"cell_0_0"), u",,,,,,:HH:mm");
}

TEST_F(PageGrid, DeletingTheLastColumnIsRefused) {
  store(u"horizontal", 1, 2, {{u"cell_0_0", u",,,,,,:x"}});
  open();
  selectColumn(0);
  EXPECT_FALSE(page.commandStates().deleteColumn);
  EXPECT_FALSE(page.deleteColumn());
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace zembrik::testing
