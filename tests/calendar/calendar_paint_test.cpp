#include <gtest/gtest.h>

#include <algorithm>

#include "engine/calendar/calendar_layout.h"
#include "engine/calendar/calendar_painter.h"
#include "engine/calendar/calendar_settings.h"
#include "tests/doubles/recording_surface.h"

namespace zembrik {
namespace {

TEST(CalendarLayout, WantedSizeForEveryWeeksCombination) {
  const Size cell{20, 10};
  // Days are 140 wide and 60 high; names take ch + 4 each, week numbers cw + 2 or cw + 4.
  const struct {
    std::uint32_t weeks;
    Size wanted;
    int daysLeft, rowsTop;
    EdgeSides etched;
  } cases[] = {
      {0, {144, 64}, 0, 0, 0},
      {1, {144, 78}, 0, 14, kEdgeTop},
      {2, {144, 78}, 0, 0, kEdgeBottom},
      {3, {144, 92}, 0, 14, kEdgeTop | kEdgeBottom},
      {4, {168, 64}, 24, 0, kEdgeLeft},
      {5, {168, 78}, 24, 14, kEdgeTop | kEdgeLeft},
      {8, {166, 64}, 0, 0, kEdgeRight},
      {12, {190, 64}, 24, 0, kEdgeLeft | kEdgeRight},
      {15, {190, 92}, 24, 14, kEdgeAllSides},
      {0xF0 | 5, {168, 78}, 24, 14, kEdgeTop | kEdgeLeft},  // unknown bits ignored
  };
  for (const auto& c : cases) {
    const CalendarLayout layout = layOutCalendar(cell, c.weeks);
    EXPECT_EQ(layout.wanted, c.wanted) << c.weeks;
    EXPECT_EQ(layout.daysLeft, c.daysLeft) << c.weeks;
    EXPECT_EQ(layout.rowsTop, c.rowsTop) << c.weeks;
    EXPECT_EQ(layout.etchedSides, c.etched) << c.weeks;
    // Everything drawn lies inside the wanted area.
    EXPECT_LE(layout.dayCell(5, 6).right, layout.wanted.width);
    EXPECT_LE(layout.dayCell(5, 6).bottom, layout.wanted.height);
    if (layout.weeksRightX >= 0) {
      EXPECT_LE(layout.weeksRightX + cell.width, layout.wanted.width) << c.weeks;
    }
    if (layout.namesBelowTop >= 0) {
      EXPECT_LE(layout.namesBelowTop + cell.height, layout.wanted.height) << c.weeks;
    }
  }
  const CalendarLayout all = layOutCalendar(cell, 15);
  EXPECT_EQ(all.grid, (Rect{22, 10, 168, 78}));
  EXPECT_EQ(all.weeksRightX, 170);
  EXPECT_EQ(all.namesBelowTop, 78);
}

std::vector<const DrawOp*> textsIn(const RecordingSurface& surface, Rect area) {
  std::vector<const DrawOp*> found;
  for (const DrawOp& op : surface.ops())
    if (op.kind == DrawOpKind::Text && op.rect.top >= area.top && op.rect.bottom <= area.bottom &&
        op.rect.left >= area.left && op.rect.right <= area.right)
      found.push_back(&op);
  return found;
}

TEST(CalendarPaint, MonthOnTheRecordingSurface) {
  RecordingSurface surface({400, 300});
  const Size cell = calendarCellSize(surface);
  ASSERT_GT(cell.width, 0);
  const CalendarLayout layout = layOutCalendar(cell, kNamesAbove | kWeeksLeft | kWeeksRight);
  // March 2024 from Monday: 26 February to 7 April; today 11 March (row 2, column 0).
  const MonthGrid grid = buildMonthGrid(calendarDateOf(2024, 3, 1), 1, calendarDateOf(2024, 3, 11));
  const std::array<std::u16string, 7> names{u"S", u"M", u"T", u"W", u"T", u"F", u"s"};
  const CalendarColours colours{0xC0C0C0, 0x010101, 0x808080};
  paintMonth(surface, grid, layout, names, colours);

  const auto& ops = surface.ops();
  ASSERT_FALSE(ops.empty());
  EXPECT_EQ(ops[0].kind, DrawOpKind::Fill);
  EXPECT_EQ(ops[0].rect, (Rect{0, 0, 400, 300}));
  EXPECT_EQ(ops[0].colour, 0xC0C0C0u);

  // Names row: Monday first, in the text colour, above the day columns.
  const auto header = textsIn(surface, {0, 0, 400, cell.height});
  ASSERT_EQ(header.size(), 7u);
  EXPECT_EQ(header[0]->text, u"M");
  EXPECT_EQ(header[6]->text, u"S");
  EXPECT_EQ(header[0]->rect.left, layout.daysLeft);
  EXPECT_EQ(header[0]->colour, 0x010101u);

  // Row 0: week 09 on both sides in blue, then the days with their classes' colours.
  const Rect row0 = layout.dayCell(0, 0);
  const auto first = textsIn(surface, {0, row0.top, 400, row0.bottom});
  ASSERT_EQ(first.size(), 9u);
  EXPECT_EQ(first[0]->text, u"09");
  EXPECT_EQ(first[0]->colour, kWeekNumberColour);
  EXPECT_EQ(first[1]->text, u"09");
  EXPECT_EQ(first[1]->rect.left, layout.weeksRightX);
  EXPECT_EQ(first[2]->text, u"26");
  EXPECT_EQ(first[2]->colour, 0x808080u);  // Monday of February
  EXPECT_EQ(first[6]->text, u"1");
  EXPECT_EQ(first[6]->colour, 0x010101u);       // Friday 1 March
  EXPECT_EQ(first[7]->colour, kWeekendColour);  // Saturday 2 March
  const Rect row5 = layout.dayCell(5, 0);
  const auto last = textsIn(surface, {0, row5.top, 400, row5.bottom});
  ASSERT_EQ(last.size(), 9u);
  EXPECT_EQ(last[8]->text, u"7");
  EXPECT_EQ(last[8]->colour, kWeekendOutsideColour);  // Sunday 7 April

  // One sunken frame, around today; the etched lines face the names and both week columns,
  // and one runs along the bottom of the wanted area.
  std::vector<const DrawOp*> edges;
  for (const DrawOp& op : ops)
    if (op.kind == DrawOpKind::Edge)
      edges.push_back(&op);
  ASSERT_EQ(edges.size(), 3u);
  EXPECT_EQ(edges[0]->rect, layout.grid);
  EXPECT_EQ(edges[0]->sides, kEdgeTop | kEdgeLeft | kEdgeRight);
  EXPECT_EQ(edges[1]->edge, EdgeStyle::Sunken);
  EXPECT_EQ(edges[1]->rect, layout.dayCell(2, 0));
  EXPECT_EQ(edges[2]->sides, kEdgeBottom);
  EXPECT_EQ(edges[2]->rect.bottom, layout.wanted.height);
}

}  // namespace
}  // namespace zembrik
