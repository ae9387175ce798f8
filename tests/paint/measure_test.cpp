// The measure pass: digit normalisation, variant texts, high-water marks and the wanted size.
#include <gtest/gtest.h>

#include "engine/settings/cell_value.h"
#include "tests/paint/paint_fixture.h"

namespace zembrik::testing {
namespace {

// Fonts of 10 points measure 5 pixels a character and 15 a line; "1" is 4 wide, "4" and "7"
// are 7 wide (see metricsForPointSize).
class Measure : public PaintFixture {};

struct DigitCase {
  int hour, minute, second;
  int width;
};

class DigitNormalisation : public PaintFixture, public ::testing::WithParamInterface<DigitCase> {};

TEST_P(DigitNormalisation, CountsDigitsOneToNineAsTheWidestDigit) {
  const DigitCase& c = GetParam();
  CellConfig& cell = addCell(u"HH:mm:ss");
  setTime(c.hour, c.minute, c.second);
  EXPECT_EQ(packedWidth(measure().size), c.width);
  ASSERT_EQ(cell.sizes.size(), 1u);
  EXPECT_EQ(cell.sizes[0].width, c.width);
}

// Digits are 5 wide, "1" 4 and "4" (the widest) 7. "10:00:00" measures as "40:00:00"
// (7 + 7 x 5 = 42) plus (7 - 5) for its one replaced digit: 44. Every digit 1-9 counts as
// replaced, the widest one too ("07:04:01": 46 + 3 x 2).
INSTANTIATE_TEST_SUITE_P(Times, DigitNormalisation,
                         ::testing::Values(DigitCase{10, 0, 0, 44}, DigitCase{0, 0, 0, 40},
                                           DigitCase{11, 11, 11, 64}, DigitCase{23, 59, 59, 64},
                                           DigitCase{7, 4, 1, 52}));

TEST_F(Measure, DigitWidthsAreMeasuredOncePerFontAndTheFirstWidestDigitWins) {
  CellConfig& cell = addCell(u"HH:mm");
  setTime(12, 0, 0);
  measure();
  ASSERT_TRUE(cell.font);
  const DigitWidths& digits = cell.font->digits;
  EXPECT_TRUE(digits.measured);
  EXPECT_EQ(digits.widestDigit, u'4');  // "7" is as wide and comes later
  EXPECT_EQ(digits.zeroWidth, 5);
  EXPECT_EQ(digits.widestWidth, 7);

  int callsAfterFirst = surfaces.last->measureCalls();
  measure();
  EXPECT_EQ(surfaces.last->measureCalls() - callsAfterFirst, 1);  // the segment only
}

TEST_F(Measure, WidestMarkKeepsTheLargestWidthSinceTheLoad) {
  CellConfig& cell = addCell(u"HH:mm:ss");
  setTime(11, 11, 11);
  measure();
  setTime(10, 0, 0);
  measure();
  EXPECT_EQ(cell.sizes[0].width, 44);
  EXPECT_EQ(cell.widest, 64u);
  EXPECT_EQ(cell.tallest, 15u);
}

struct VariantCase {
  const char16_t* format;
  int hour;
  bool capsOn;
  int centreWidth;
};

class VariantWidths : public PaintFixture, public ::testing::WithParamInterface<VariantCase> {};

TEST_P(VariantWidths, TakeTheWiderOfBothTexts) {
  const VariantCase& c = GetParam();
  names.setText(NameText::AM, u"am");
  names.setText(NameText::PM, u"p.m.");
  names.setText(NameText::CapsOn, u"CAPS");
  names.setText(NameText::CapsOff, u"");
  lockKeys = FixedLockKeyStates(c.capsOn, false, false);
  CellConfig& cell = addCell(c.format);
  setTime(c.hour, 0, 0);
  measure();
  ASSERT_EQ(cell.sizes.size(), 3u);
  EXPECT_EQ(cell.sizes[1].width, c.centreWidth);
}

INSTANTIATE_TEST_SUITE_P(Texts, VariantWidths,
                         ::testing::Values(VariantCase{u"<P>", 9, false, 20},
                                           VariantCase{u"<P>", 15, false, 20},
                                           VariantCase{u"<A>", 9, false, 20},
                                           VariantCase{u"<A>", 9, true, 20},
                                           VariantCase{u"<'x'>", 9, false, 5}));

struct WantedCase {
  const char* name;
  bool vertical;
  FaceMargins margins;
  std::uint32_t separator;
  std::uint8_t secondFlags;  // flags of the second cell of column 0
  int width, height;
};

class WantedSize : public PaintFixture, public ::testing::WithParamInterface<WantedCase> {};

// Column 0 holds "00" (10 x 15) over "000" (15 x 15); column 1 holds "0" (5 x 15).
TEST_P(WantedSize, AddsMarginsSeparatorsAndTheTallestGroup) {
  const WantedCase& c = GetParam();
  clock.placement.vertical = c.vertical;
  clock.margins = c.margins;
  clock.separator = c.separator;
  clock.columns = 2;
  addCell(u"00");
  addCell(u"0");
  addCell(u"000").flags = c.secondFlags;
  PackedSize size = measure().size;
  EXPECT_EQ(packedWidth(size), c.width);
  EXPECT_EQ(packedHeight(size), c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, WantedSize,
    ::testing::Values(WantedCase{"plain", false, {}, 0, 0, 20, 30},
                      WantedCase{"margins", false, {1, 2, 3, 4}, 0, 0, 27, 33},
                      WantedCase{"reset_y_starts_a_group", false, {}, 0, kCellResetY, 20, 15},
                      WantedCase{"horizontal_separator", false, {}, 0x8000000 | 2, 0, 25, 30},
                      WantedCase{"vertical_separator", true, {}, 0x4000004, 0, 20, 37},
                      WantedCase{"legacy_separator_value", false, {}, 1, 0, 25, 30},
                      // A negative margin cannot make the packed width borrow from the height.
                      WantedCase{"negative_margin", false, {0, 0, -100, 0}, 0, 0, 0, 30}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(Measure, InsetsEffectAndCellSeparatorAddToTheCell) {
  for (bool vertical : {false, true}) {
    SCOPED_TRACE(vertical);
    clock.cells.clear();
    clock.placement.vertical = vertical;
    CellConfig& cell = addCell(u"00");
    cell.leftInset = 1;
    cell.rightInset = 2;
    cell.topInset = 3;
    cell.bottomInset = 4;
    cell.effect = kEffectEngrave;
    cell.cellSeparator = 1;
    PackedSize size = measure().size;
    EXPECT_EQ(packedWidth(size), 10 + 3 + 2 + (vertical ? 0 : 2));
    EXPECT_EQ(packedHeight(size), 15 + 7 + 2 + (vertical ? 2 : 0));
  }
}

class Bands final : public FaceMeters {
 public:
  EdgeBands bands() const override { return {1, 2, 3, 4}; }
};

TEST_F(Measure, MeterBandsAddToTheirSides) {
  Bands bands;
  FacePainter withMeters(surfaces, FaceHooks{nullptr, &bands, nullptr});
  addCell(u"00");
  PackedSize size = withMeters.measure(clock, inputs()).size;
  EXPECT_EQ(packedWidth(size), 10 + 3);
  EXPECT_EQ(packedHeight(size), 15 + 7);
}

TEST_F(Measure, AnEmptyFaceAsksTheTaskbarForOnePixel) {
  EXPECT_EQ(measure().size, 0u);
  EXPECT_EQ(painter.measureForTaskbar(clock, inputs()), packSize(1, 1));
}

TEST_F(Measure, NoSurfaceMeansNothingMeasuredOrDrawn) {
  addCell(u"HH:mm");
  surfaces.refuse = true;
  EXPECT_EQ(measure().size, 0u);
  EXPECT_EQ(painter.measureForTaskbar(clock, inputs()), packSize(1, 1));
  PaintOutcome outcome = draw({60, 20});
  EXPECT_EQ(outcome.size, 0u);
  EXPECT_TRUE(target.ops().empty());
  EXPECT_TRUE(painter.placements().empty());

  surfaces.refuse = false;  // the next paint tries again
  EXPECT_EQ(draw({60, 20}).size, packSize(60, 20));
}

}  // namespace
}  // namespace zembrik::testing
