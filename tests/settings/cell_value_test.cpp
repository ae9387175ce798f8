#include "engine/settings/cell_value.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace zembrik::testing {
namespace {

struct CellCase {
  const char* what;
  std::u16string text;
  CellValue expected;
};

CellValue cell(char16_t alignment, std::uint8_t flags, int left, int right, int top, int bottom,
               int effect, std::u16string format) {
  CellValue value;
  value.alignment = alignment;
  value.flags = flags;
  value.leftInset = left;
  value.rightInset = right;
  value.topInset = top;
  value.bottomInset = bottom;
  value.effect = effect;
  value.format = std::move(format);
  return value;
}

CellValue withOptional(CellValue value, std::uint8_t separator, std::uint8_t reserved, int stretch,
                       std::uint8_t hide) {
  value.cellSeparator = separator;
  value.reserved = reserved;
  value.stretchWeight = stretch;
  value.hidePriority = hide;
  return value;
}

class CellValueParsing : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellValueParsing, GivesTheDocumentedFields) {
  EXPECT_EQ(parseCellValue(GetParam().text), GetParam().expected);
}

const CellCase kCellCases[] = {
    {"right aligned time", u">,0,0,0,0,0,0:HH:mm", cell(u'>', 0, 0, 0, 0, 0, 0, u"HH:mm")},
    {"as the options program writes it", u",,,,,,:HH:mm", cell(0, 0, 0, 0, 0, 0, 0, u"HH:mm")},
    {"fields 8 to 11 absent", u"=,0,2,2,0,0,1:HH:mm", cell(u'=', 0, 2, 2, 0, 0, 1, u"HH:mm")},
    {"all eleven fields, colons in the format", u"<,5,1,2,3,4,3,6,7,8,9:a:b:c",
     withOptional(cell(u'<', 5, 1, 2, 3, 4, 3, u"a:b:c"), 6, 7, 8, 9)},
    {"optional fields stop early at the colon", u",,,,,,0,6:x",
     withOptional(cell(0, 0, 0, 0, 0, 0, 0, u"x"), 6, 0, 0, 0)},
    {"junk after field 11 up to the colon is ignored", u",,,,,,,1,2,3,4,99 junk:x",
     withOptional(cell(0, 0, 0, 0, 0, 0, 0, u"x"), 1, 2, 3, 4)},
    {"spaces before fields and junk after numbers", u"  <  , 1x ,  -2 px, 3,4 ,5,  2 :f",
     cell(u'<', 1, -2, 3, 4, 5, 2, u"f")},
    {"a tab is the alignment character, which centres", u"\t>,,,,,,:HH",
     cell(u'\t', 0, 0, 0, 0, 0, 0, u"HH")},
    {"a tab before a number is no space: the field reads 0", u",\t1,\t2,3,4,5,\t6:x",
     cell(0, 0, 0, 3, 4, 5, 0, u"x")},
    {"a colon does not end fields 1 to 6", u"<:x,1:y,2,3,4,5,6:HH:mm",
     cell(u'<', 1, 2, 3, 4, 5, 6, u"HH:mm")},
    {"fewer than six commas swallow the colon and format", u",1,2,3:HH:mm",
     cell(0, 1, 2, 3, 0, 0, 0, u"")},
    {"a bare format is a cell with nothing to show", u"HH:mm", cell(u'H', 0, 0, 0, 0, 0, 0, u"")},
    {"no colon after the fields", u",,,,,,1", cell(0, 0, 0, 0, 0, 0, 1, u"")},
    {"empty text", u"", cell(0, 0, 0, 0, 0, 0, 0, u"")},
    {"empty format after the colon", u",,,,,,:", cell(0, 0, 0, 0, 0, 0, 0, u"")},
    {"byte fields keep the low byte", u",300,,,,,,-1,257,,511:x",
     withOptional(cell(0, 44, 0, 0, 0, 0, 0, u"x"), 255, 1, 0, 255)},
    {"huge numbers saturate", u",,99999999999999,-99999999999999,,,:x",
     cell(0, 0, INT_MAX, INT_MIN, 0, 0, 0, u"x")},
};

INSTANTIATE_TEST_SUITE_P(Cases, CellValueParsing, ::testing::ValuesIn(kCellCases));

}  // namespace
}  // namespace zembrik::testing
