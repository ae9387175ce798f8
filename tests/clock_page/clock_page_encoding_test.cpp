// The Clock page's text encodings: the cell value as read and written, the separator boxes, and
// what a numeric field's text gives.
#include <gtest/gtest.h>

#include "engine/options/clock_page_cell.h"
#include "engine/options/clock_page_field.h"
#include "engine/options/clock_page_help.h"

namespace zembrik {
namespace {

struct ReadCase {
  std::u16string_view stored;
  std::u16string_view pageText;
};

class PageCellReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(PageCellReading, FoldsAlignmentIntoTheTextOnlyWhenTheTextPlacesNothing) {
  EXPECT_EQ(readPageCellValue(GetParam().stored).format, GetParam().pageText);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PageCellReading,
    ::testing::Values(ReadCase{u"<,0,0,0,0,0,0:HH:mm",
                               u"HH:mm<"},  // the older value with six fields 0
                      ReadCase{u">,,,,,,:HH:mm", u">HH:mm"},
                      ReadCase{u",,,,,,:HH:mm", u"HH:mm"},   // centred: shown without its marks
                      ReadCase{u"c,,,,,,:HH:mm", u"HH:mm"},  // any other character centres
                      ReadCase{u",,,,,,:' 'HH:mm", u"' 'HH:mm"},  // quoted blank kept as it is
                      ReadCase{u"<,,,,,,:x<", u"x<"},             // a text placing itself is kept
                      ReadCase{u">,,,,,,:x<", u"x<"}, ReadCase{u",,,,,,:<HH:mm>", u"HH:mm"},
                      ReadCase{u"<,,,,,,:'<'x", u"'<'x<"},  // marks inside quotes do not count
                      ReadCase{u",,,,,,:\"a>b\"", u"\"a>b\""},
                      ReadCase{u",,,,,,:<a>b>", u"<a>b>"},  // stripping would move "a" to the left
                      ReadCase{u",,,,,,:<>", u"<>"},        // stripping would leave an empty text
                      ReadCase{u"<,,,,,,:", u""},           // an empty text stays empty
                      ReadCase{u"HH:mm", u""}));            // no fields: no text

struct WriteCase {
  CellValue cell;
  std::u16string_view written;
};

CellValue cellWith(std::u16string text, void (*set)(CellValue&)) {
  CellValue cell;
  cell.format = std::move(text);
  set(cell);
  return cell;
}

TEST(PageCellWriting, ZerosAreEmptyAndTheLastFourFieldsOnlyWhenOneIsSet) {
  const WriteCase cases[] = {
      {cellWith(u"HH:mm", [](CellValue& c) { c.leftInset = 6, c.rightInset = 4; }),
       u",,6,4,,,:HH:mm"},
      {cellWith(u"x", [](CellValue& c) { c.flags = 6, c.effect = 2, c.bottomInset = -3; }),
       u",6,,,,-3,2:x"},
      {cellWith(u"x", [](CellValue& c) { c.hidePriority = 100; }), u",,,,,,,,,,100:x"},
      {cellWith(u"x", [](CellValue& c) { c.cellSeparator = 3, c.stretchWeight = 1; }),
       u",,,,,,,3,,1,:x"},
      {cellWith(u"x", [](CellValue& c) { c.reserved = 7; }), u",,,,,,,,7,,:x"},
      {cellWith(u"' 'HH:mm", [](CellValue& c) { c.alignment = u'<'; }), u",,,,,,:' 'HH:mm"},
  };
  for (const WriteCase& c : cases) {
    EXPECT_EQ(writePageCellValue(c.cell), c.written);
    // What the page writes it reads back unchanged (no alignment character is ever written).
    CellValue back = readPageCellValue(c.written);
    CellValue expected = c.cell;
    expected.alignment = 0;
    EXPECT_EQ(back, expected) << std::string(c.written.begin(), c.written.end());
  }
}

TEST(CellSeparatorBoxes, EncodeTheThreeBoxesAndReadEveryByte) {
  struct Case {
    std::uint8_t value;
    CellSeparatorBoxes boxes;
  };
  const Case cases[] = {
      {0, {false, false, true}}, {1, {true, false, true}}, {3, {true, true, true}},
      {5, {true, false, false}}, {7, {true, true, false}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(decodeCellSeparator(c.value), c.boxes) << int{c.value};
    EXPECT_EQ(encodeCellSeparator(c.boxes), c.value) << int{c.value};
  }
  // Unchecking "Separator" gives 0 whatever the other two boxes say.
  EXPECT_EQ(encodeCellSeparator({false, true, false}), 0);
}

TEST(FaceSeparatorBoxes, ReadBothEncodingsAndWriteTheNewer) {
  struct Case {
    std::uint32_t word;
    FaceSeparatorBoxes boxes;
  };
  const Case decoded[] = {
      {0, {false, false, false}},        {1, {true, false, false}},  // the older value 1
      {2, {false, false, false}},        {0x88000002, {true, false, false}},
      {0x84000001, {false, true, true}}, {0x8C000002, {true, true, false}},
  };
  for (const Case& c : decoded) EXPECT_EQ(decodeFaceSeparatorBoxes(c.word), c.boxes) << c.word;
  EXPECT_EQ(encodeFaceSeparatorBoxes({true, false, false}), 0x88000002u);
  EXPECT_EQ(encodeFaceSeparatorBoxes({false, true, true}), 0x84000001u);
  EXPECT_EQ(encodeFaceSeparatorBoxes({}), 0x80000002u);
}

TEST(FieldNumbers, OnlyWholeNumbersAreTaken) {
  for (std::u16string_view text : {u"", u"-", u"+", u"12a", u"1 2", u"0x10", u" "})
    EXPECT_FALSE(parseFieldNumber(text).has_value());
  EXPECT_EQ(parseFieldNumber(u" -5 "), -5);
  EXPECT_EQ(parseFieldNumber(u"+7"), 7);
  EXPECT_GT(*parseFieldNumber(u"99999999999999999999999"), 10000);
}

TEST(FormatHelp, FortySixTokensThenSixLinesWithoutATab) {
  auto help = clockPageFormatHelp();
  ASSERT_EQ(help.size(), 52u);
  for (std::size_t i = 0; i < help.size(); ++i)
    EXPECT_EQ(help[i].find(u'\t') != std::u16string_view::npos, i < 46) << i;
  EXPECT_EQ(help[21], u"h\t= hour  1..12");
  EXPECT_EQ(help[28], u"ss\t= sec  00..59");
  EXPECT_EQ(help[51], u"use quotes (') or (\") for special");
}

}  // namespace
}  // namespace zembrik
