#include "engine/settings/font_spec.h"

#include <gtest/gtest.h>

#include <string>

namespace zembrik::testing {
namespace {

struct SpecCase {
  std::u16string text;
  std::optional<FontSpec> expected;
};

FontSpec spec(int size, int weight, int third, std::string face) {
  return FontSpec{size, weight, third, std::move(face)};
}

class FontSpecParsing : public ::testing::TestWithParam<SpecCase> {};

TEST_P(FontSpecParsing, GivesSizeWeightThirdAndFace) {
  EXPECT_EQ(parseFontSpec(GetParam().text), GetParam().expected);
}

const SpecCase kSpecCases[] = {
    {u"  8,700,:Arial", spec(8, 700, 0, "Arial")},
    {u"10,,:Arial", spec(10, 400, 0, "Arial")},
    {u"12,400,,:Times New Roman", spec(12, 400, 0, "Times New Roman")},
    {u" 9 , 700 , 3 , 5 :Face", spec(9, 700, 3, "Face")},
    {u"1,2,3,4,5:x", spec(1, 2, 3, "x")},        // a fifth field is skipped up to the colon
    {u"1,700,0,0:a:b", spec(1, 700, 0, "a:b")},  // the face runs to the end
    {u"12,700", spec(12, 700, 0, "")},           // no colon: no face name
    {u":Arial", spec(0, 400, 0, "Arial")},
    {u"12,0,:X", spec(12, 400, 0, "X")},
    {u"12,-3,:X", spec(12, 400, 0, "X")},
    {u"12,5000,:X", spec(12, 1000, 0, "X")},
    {u"12,700,:\u0141\u00e9", spec(12, 700, 0, "A\xe9")},  // low byte of each character
    {u"12,700,:ab\u0100cd", spec(12, 700, 0, "ab")},       // a zero low byte ends the name
    {u"8,700,:0123456789012345678901234567890123456789",
     spec(8, 700, 0, "0123456789012345678901234567890")},
    {u"", std::nullopt},
    {u"    ", std::nullopt},
    {u"\t8,700,:Arial", spec(0, 700, 0, "Arial")},  // only spaces are skipped before a field
    {u"\t", spec(0, 400, 0, "")},
};

INSTANTIATE_TEST_SUITE_P(Cases, FontSpecParsing, ::testing::ValuesIn(kSpecCases));

}  // namespace
}  // namespace zembrik::testing
