#include "engine/options/font_description.h"

#include <gtest/gtest.h>

namespace zembrik::testing {
namespace {

TEST(FontDescription, ReadsTheStoredSpec) {
  struct Case {
    const char16_t* raw;
    const char16_t* description;
    int weight;
  };
  for (Case c :
       {Case{u"8,700,:Arial", u"Arial, size 8, bold", 700},
        Case{u"10,,,:Arial", u"Arial, size 10", 400},
        Case{u"9,650,,:Segoe UI", u"Segoe UI, size 9, weight 650", 650},
        Case{u" 12 , 100 , 1252 ,:Courier New", u"Courier New, size 12, thin, cp 1252", 100},
        Case{u",900,:Tahoma", u"Tahoma, heavy", 900},
        Case{u"11,200,", u", size 11, extralight", 200}, Case{u"", u"", 400}}) {
    EditedFontSpec spec = editedFontSpec(c.raw);
    EXPECT_EQ(spec.rawText, c.raw);
    EXPECT_EQ(spec.description, c.description);
    EXPECT_EQ(spec.weight, c.weight);
  }
  EXPECT_EQ(editedFontSpec(u"9,,1252,:Arial").codePage, 1252);
  EXPECT_EQ(editedFontSpec(u"9,,,:Caf\u00e9").face, u"Caf\u00e9");
}

}  // namespace
}  // namespace zembrik::testing
