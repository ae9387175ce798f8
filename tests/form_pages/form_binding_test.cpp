// The conversions every form page shares.
#include <gtest/gtest.h>

#include "engine/options/form_binding.h"
#include "tests/form_pages/form_page_fakes.h"

namespace zembrik {
namespace {

using testing::FakePageServices;
using testing::narrow;

TEST(WholeNumber, OnlyCompleteNumbersCount) {
  struct Case {
    std::u16string_view text;
    std::optional<std::int64_t> expected;
  };
  const Case cases[] = {
      {u"42", 42},
      {u" -127 ", -127},
      {u"+5", 5},
      {u"", std::nullopt},
      {u"-", std::nullopt},  // half-typed
      {u"12a", std::nullopt},
      {u"1 2", std::nullopt},
      {u"0x10", std::nullopt},
      {u"1000000000", 1000000000},
      {u"9999999999999999999999", std::nullopt},  // would overflow
  };
  for (const auto& c : cases) EXPECT_EQ(parseWholeNumber(c.text), c.expected) << narrow(c.text);
}

TEST(WholeNumber, RangeCheckAndItsHint) {
  const NumberRange sizes{0, 99};
  EXPECT_EQ(checkNumber(u"99", sizes).check, NumberCheck::Accepted);
  EXPECT_EQ(checkNumber(u"100", sizes).check, NumberCheck::OutOfRange);
  EXPECT_EQ(checkNumber(u"-", sizes).check, NumberCheck::NotANumber);
  EXPECT_EQ(rangeHint({0, 1000000000}), u"Please enter an integer between 0 and 1000000000.");
  EXPECT_EQ(rangeHint({-127, 127}), u"Please enter an integer between -127 and 127.");
}

TEST(StoredValues, ColourAndFontTexts) {
  EXPECT_EQ(colourText(0x0000FF), u"0x0000ff");
  EXPECT_EQ(colourText(0xFF0000), u"0xff0000");
  EXPECT_EQ(fontSpecText({14, 700, u"Arial"}), u"14,700,:Arial");
  const FontChoice fallback{10, 400, u"Arial"};
  EXPECT_EQ(fontChoiceFromSpec(std::nullopt, fallback), fallback);
  EXPECT_EQ(fontChoiceFromSpec(u"   ", fallback), fallback);
  EXPECT_EQ(fontChoiceFromSpec(u"9,650,,:Segoe UI", fallback), (FontChoice{9, 650, u"Segoe UI"}));
  EXPECT_EQ(fontChoiceFromSpec(u"9,,:Tahoma", fallback), (FontChoice{9, 400, u"Tahoma"}));
}

TEST(StoredValues, MissingTextIsCreatedOnlyWhenItDiffersFromTheDefault) {
  FakePageServices fake;
  RegistryKey& key = *fake.settings;
  writeTextKeepingDefault(key, u"a", u"AM", u"AM");  // untouched default
  writeTextKeepingDefault(key, u"b", u"", u"");      // empty equals empty
  EXPECT_EQ(fake.registry.valueWrites(), 0u);
  writeTextKeepingDefault(key, u"c", u"", u"A");  // cleared: overrides the default
  writeText(key, u"d", u"x");
  writeTextKeepingDefault(key, u"d", u"PM", u"PM");  // exists: written back to the default
  EXPECT_EQ(testing::valuesOf(key),
            (std::map<std::string, std::string>{{"c", "sz:"}, {"d", "sz:PM"}}));
}

}  // namespace
}  // namespace zembrik
