#include <gtest/gtest.h>

#include "engine/settings/cell_style.h"
#include "engine/settings/cell_value.h"
#include "engine/settings/face_separator.h"

namespace zembrik::testing {
namespace {

TEST(FaceSeparatorWord, DecodesEdgesAndThickness) {
  struct Case {
    std::uint32_t word;
    FaceSeparators expected;
  };
  const Case cases[] = {
      {0, {false, false, 2}},
      {1, {true, false, 2}},  // the older on/off form
      {2, {false, false, 2}},
      {0x4000000, {false, true, 2}},
      {0xC000001, {true, true, 1}},
      {0x8000005, {true, false, 5}},
      {0xFFFFFFFF, {true, true, 0xFFFF}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(decodeFaceSeparators(c.word), c.expected) << std::hex << c.word;
  }
}

TEST(BlinkBits, ChangeTheLookOnlyInTheOddHalf) {
  struct Case {
    std::uint32_t bits;
    int effect;
    bool hidden;
    bool alternate;
    int oddEffect;
  };
  const Case cases[] = {
      {0, kEffectShadow, false, false, kEffectShadow},
      {0x01, kEffectNone, false, true, kEffectNone},
      {0x03, kEffectNone, true, false, kEffectNone},  // hiding wins over the colour
      {0x10, kEffectEmboss, false, false, kEffectNone},
      {0x20, kEffectNone, false, false, kEffectShadow},
      {0x20, kEffectEngrave, false, false, kEffectEmboss},
      {0x30, kEffectEngrave, false, false, kEffectNone},  // off wins over swap
      {0x20, 9, false, false, 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "bits " << c.bits << " effect " << c.effect);
    BlinkLook odd = blinkLook(c.bits, c.effect, true);
    EXPECT_EQ(odd.hidden, c.hidden);
    EXPECT_EQ(odd.alternateColour, c.alternate);
    EXPECT_EQ(odd.effect, c.oddEffect);
    BlinkLook even = blinkLook(c.bits, c.effect, false);
    EXPECT_FALSE(even.hidden);
    EXPECT_FALSE(even.alternateColour);
    EXPECT_EQ(even.effect, c.effect);
  }
}

}  // namespace
}  // namespace zembrik::testing
