// The draw pass on a recording surface: blink phases and effects, separator lines, reset X and
// Y, hiding and stretching, re-layout requests and the surfaces.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/settings/cell_value.h"
#include "tests/paint/paint_fixture.h"

namespace zembrik::testing {
namespace {

class Draw : public PaintFixture {
 protected:
  std::vector<std::tuple<Colour, Point, Point>> lines() const {
    std::vector<std::tuple<Colour, Point, Point>> found;
    for (const DrawOp& op : drawnOf(DrawOpKind::Line))
      found.emplace_back(op.colour, op.from, op.to);
    return found;
  }
  std::vector<Rect> textRects() const {
    std::vector<Rect> found;
    for (const DrawOp& op : drawnOf(DrawOpKind::Text)) found.push_back(op.rect);
    return found;
  }
};

struct Drawing {
  Colour colour;
  int dx, dy;
  bool operator==(const Drawing&) const = default;
};

struct BlinkCase {
  const char* name;
  std::uint32_t blinkBits;
  int effect;
  int second;
  bool alarm;
  std::vector<Drawing> drawings;
  Colour alternate = kDefaultColour;
};

class BlinkAndEffects : public Draw, public ::testing::WithParamInterface<BlinkCase> {};

TEST_P(BlinkAndEffects, DrawTheTextInTheColoursAndOffsetsOfThePhase) {
  const BlinkCase& c = GetParam();
  CellConfig& cell = addCell(u"00");
  cell.blinkBits = c.blinkBits;
  cell.effect = c.effect;
  cell.alternateColour = c.alternate;
  alarmRinging = c.alarm;
  setTime(10, 0, c.second);
  measure();
  PaintOutcome outcome = draw({40, 20});

  Rect rect = painter.placements()[0].rect;
  std::vector<Drawing> drawings;
  for (const DrawOp& op : drawnOf(DrawOpKind::Text)) {
    EXPECT_EQ(op.text, u"00");
    EXPECT_EQ(op.rect.width(), rect.width());
    drawings.push_back({op.colour, op.rect.left - rect.left, op.rect.top - rect.top});
  }
  EXPECT_EQ(drawings, c.drawings);
  EXPECT_EQ(outcome.refreshEverySecond, c.blinkBits != 0 || c.alarm);
}

constexpr Colour kText = 0x000011, kHighlight = 0x000022, kShadow = 0x000033;

INSTANTIATE_TEST_SUITE_P(
    Phases, BlinkAndEffects,
    ::testing::Values(
        BlinkCase{"plain", 0, kEffectNone, 1, false, {{kText, 0, 0}}},
        BlinkCase{"hide_shows_in_even_seconds", 2, kEffectNone, 4, false, {{kText, 0, 0}}},
        BlinkCase{"hide_in_odd_seconds", 2, kEffectNone, 5, false, {}},
        BlinkCase{"alternate_is_the_inverse", 1, kEffectNone, 5, false, {{0xFFFFEE, 0, 0}}},
        BlinkCase{"alternate_colour", 1, kEffectNone, 5, false, {{0x123456, 0, 0}}, 0x123456},
        BlinkCase{"hide_wins_over_alternate", 3, kEffectNone, 5, false, {}},
        BlinkCase{"shadow", 0, kEffectShadow, 0, false, {{kShadow, 1, 1}, {kText, -1, -1}}},
        BlinkCase{"engrave",
                  0,
                  kEffectEngrave,
                  0,
                  false,
                  {{kHighlight, 1, 1}, {kShadow, -1, -1}, {kText, 0, 0}}},
        BlinkCase{"emboss",
                  0,
                  kEffectEmboss,
                  0,
                  false,
                  {{kShadow, 1, 1}, {kHighlight, -1, -1}, {kText, 0, 0}}},
        BlinkCase{"hidden_text_keeps_its_effect",
                  2,
                  kEffectEngrave,
                  1,
                  false,
                  {{kHighlight, 1, 1}, {kShadow, -1, -1}}},
        BlinkCase{"effect_off", 0x10, kEffectEngrave, 1, false, {{kText, 0, 0}}},
        BlinkCase{"effect_off_wins_over_swap", 0x30, kEffectEngrave, 1, false, {{kText, 0, 0}}},
        BlinkCase{
            "swap_none_to_shadow", 0x20, kEffectNone, 1, false, {{kShadow, 1, 1}, {kText, -1, -1}}},
        BlinkCase{"swap_engrave_to_emboss",
                  0x20,
                  kEffectEngrave,
                  1,
                  false,
                  {{kShadow, 1, 1}, {kHighlight, -1, -1}, {kText, 0, 0}}},
        BlinkCase{"alarm_blanks_odd_seconds", 0, kEffectEngrave, 1, true, {}},
        BlinkCase{"alarm_shows_even_seconds", 0, kEffectNone, 2, true, {{kText, 0, 0}}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(Draw, EffectCellsKeepTheirDrawingsInsideTheMeasuredBox) {
  CellConfig& cell = addCell(u"00");
  cell.effect = kEffectEngrave;
  measure();
  draw({12, 17});  // exactly the measured 10 + 2 by 15 + 2
  EXPECT_EQ(painter.placements()[0].rect, (Rect{1, 1, 11, 16}));
}

TEST_F(Draw, TextsOfSpacesTakeTheirPlaceButAreNotDrawn) {
  addCell(u"'  '");
  addCell(u"00");
  measure();
  draw({20, 30});
  EXPECT_EQ(textRects(), (std::vector<Rect>{{0, 15, 20, 30}}));
}

struct SeparatorCase {
  const char* name;
  bool vertical;
  std::uint32_t separator;
  FaceMargins margins;
  Size client;
  std::vector<std::tuple<Colour, Point, Point>> lines;
};

class FaceSeparatorLines : public Draw, public ::testing::WithParamInterface<SeparatorCase> {};

TEST_P(FaceSeparatorLines, StandAtTheFacesEdges) {
  const SeparatorCase& c = GetParam();
  clock.placement.vertical = c.vertical;
  clock.separator = c.separator;
  clock.margins = c.margins;
  draw(c.client);
  EXPECT_EQ(lines(), c.lines);
}

constexpr Colour kHighlightPen = 0x000044, kShadowPen = 0x000055;

INSTANTIATE_TEST_SUITE_P(
    Faces, FaceSeparatorLines,
    ::testing::Values(
        SeparatorCase{"trailing_3",
                      false,
                      0x4000003,
                      {},
                      {100, 40},
                      {{kHighlightPen, {97, 0}, {97, 40}}, {kShadowPen, {99, 0}, {99, 40}}}},
        SeparatorCase{"leading_after_the_margin",
                      false,
                      0x8000002,
                      {0, 0, 6, 6},
                      {100, 40},
                      {{kHighlightPen, {6, 0}, {6, 40}}, {kShadowPen, {7, 0}, {7, 40}}}},
        SeparatorCase{
            "one_pixel", false, 0x8000001, {}, {100, 40}, {{kHighlightPen, {0, 0}, {0, 40}}}},
        SeparatorCase{"legacy_value_1",
                      false,
                      1,
                      {},
                      {100, 40},
                      {{kHighlightPen, {0, 0}, {0, 40}}, {kShadowPen, {1, 0}, {1, 40}}}},
        SeparatorCase{"vertical_both",
                      true,
                      0xC000002,
                      {4, 4, 0, 0},
                      {60, 100},
                      {{kHighlightPen, {0, 4}, {60, 4}},
                       {kShadowPen, {0, 5}, {60, 5}},
                       {kHighlightPen, {0, 98}, {60, 98}},
                       {kShadowPen, {0, 99}, {60, 99}}}},
        SeparatorCase{"other_values_draw_nothing", false, 0x1234, {}, {100, 40}, {}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(Draw, CellsStartThreePixelsAfterTheLeadingSeparator) {
  clock.separator = 0x8000002;
  clock.margins = {0, 0, 6, 6};
  addCell(u"00");
  measure();  // 6 + 6 + 10 + 2 + 3 = 27
  draw({27, 20});
  // The trailing room (thickness + 1) leaves the column one pixel short of the measure.
  EXPECT_EQ(painter.placements()[0].rect, (Rect{9, 0, 19, 15}));
}

struct CellSeparatorCase {
  const char* name;
  bool vertical;
  std::uint8_t bits;
  std::vector<std::tuple<Colour, Point, Point>> lines;
  Rect rect;  // of the cell behind the separator
};

class CellSeparators : public Draw, public ::testing::WithParamInterface<CellSeparatorCase> {};

// Two "00" cells in one column, the second with a separator, in a 40 x 40 client. From the
// slot's leading edge the highlight line lies as far in as the separator is thick, the shadow
// line of a two-pixel separator at distance 1.
TEST_P(CellSeparators, LineUpBeforeTheCellWhichMovesByTheirThickness) {
  const CellSeparatorCase& c = GetParam();
  clock.placement.vertical = c.vertical;
  addCell(u"00");
  addCell(u"00").cellSeparator = c.bits;
  measure();
  draw({40, 40});
  EXPECT_EQ(lines(), c.lines);
  EXPECT_EQ(painter.placements()[1].rect, c.rect);
}

INSTANTIATE_TEST_SUITE_P(
    Bits, CellSeparators,
    ::testing::Values(
        CellSeparatorCase{"across_the_face",
                          false,
                          1,
                          {{kHighlightPen, {2, 0}, {2, 40}}, {kShadowPen, {1, 0}, {1, 40}}},
                          {2, 15, 40, 30}},
        CellSeparatorCase{"own_extent",
                          false,
                          5,
                          {{kHighlightPen, {2, 15}, {2, 30}}, {kShadowPen, {1, 15}, {1, 30}}},
                          {2, 15, 40, 30}},
        CellSeparatorCase{
            "one_pixel", false, 2, {{kHighlightPen, {1, 0}, {1, 40}}}, {1, 15, 40, 30}},
        CellSeparatorCase{"vertical",
                          true,
                          1,
                          {{kHighlightPen, {0, 17}, {40, 17}}, {kShadowPen, {0, 16}, {40, 16}}},
                          {0, 17, 40, 32}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(Draw, ResetXReachesBackToTheFaceAndMovesTheRowsLaterCells) {
  clock.columns = 3;
  addCell(u"00");
  addCell(u"00").flags = kCellResetX;
  addCell(u"00");
  addCell(u"00");  // next row: unaffected
  measure();
  draw({30, 30});
  auto placements = painter.placements();
  EXPECT_EQ(placements[0].rect, (Rect{0, 0, 10, 15}));
  EXPECT_EQ(placements[1].rect, (Rect{0, 0, 20, 15}));
  EXPECT_EQ(placements[2].rect, (Rect{10, 0, 20, 15}));
  EXPECT_EQ(placements[3].rect, (Rect{0, 15, 10, 30}));
}

TEST_F(Draw, ResetYStartsAgainAtTheTop) {
  clock.placement.vertical = true;
  addCell(u"0");
  addCell(u"0");
  addCell(u"000").flags = kCellResetY;
  addCell(u"0");
  measure();
  draw({20, 40});
  auto placements = painter.placements();
  EXPECT_EQ(placements[1].rect.top, 15);
  EXPECT_EQ(placements[2].rect.top, 0);
  EXPECT_EQ(placements[3].rect.top, 15);
}

TEST_F(Draw, HiddenCellsTakeNoSpaceAndAreNotDrawn) {
  for (int priority : {0, 1, 2, 0})
    addCell(u"00").hidePriority = static_cast<std::uint8_t>(priority);
  measure();
  draw({20, 40});  // 60 pixels of cells in 40: the priority 2 cell, then the priority 1 cell
  auto placements = painter.placements();
  EXPECT_EQ(placements[1].topOffset, kHiddenCell);
  EXPECT_EQ(placements[2].topOffset, kHiddenCell);
  EXPECT_EQ(textRects(), (std::vector<Rect>{{0, 0, 20, 15}, {0, 15, 20, 30}}));
}

TEST_F(Draw, StretchedCellsShareTheSpareHeight) {
  addCell(u"00").stretchWeight = 1;
  addCell(u"00");
  measure();
  draw({20, 40});
  EXPECT_EQ(textRects(), (std::vector<Rect>{{0, 5, 20, 20}, {0, 25, 20, 40}}));
}

struct GrowthCase {
  const char* name;
  bool vertical;
  int drawDay;
  bool relayout;
};

class Growth : public Draw, public ::testing::WithParamInterface<GrowthCase> {};

// Measured on a Tuesday ("Tuesday", 35 pixels).
TEST_P(Growth, AWiderTextOnAHorizontalTaskbarAsksForARelayout) {
  const GrowthCase& c = GetParam();
  clock.placement.vertical = c.vertical;
  addCell(u"dddd");
  setTime(10, 0, 0);
  measure();
  moment.local.dayOfWeek = static_cast<std::uint16_t>(c.drawDay);
  EXPECT_EQ(draw({60, 20}).relayoutWanted, c.relayout);
  EXPECT_FALSE(draw({60, 20}).relayoutWanted);  // the same text again
}

INSTANTIATE_TEST_SUITE_P(Days, Growth,
                         ::testing::Values(GrowthCase{"wider", false, 3, true},
                                           GrowthCase{"narrower", false, 1, false},
                                           GrowthCase{"same", false, 2, false},
                                           GrowthCase{"vertical_keeps_its_width", true, 3, false}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(Draw, SecondsAndBlinkingRefreshEverySecond) {
  CellConfig& cell = addCell(u"HH:mm");
  measure();
  EXPECT_FALSE(draw({40, 20}).refreshEverySecond);
  EXPECT_FALSE(clock.refreshEverySecond);
  cell.blinkBits = 0x10;
  EXPECT_TRUE(draw({40, 20}).refreshEverySecond);
  cell.blinkBits = 0;
  addCell(u"ss");
  EXPECT_TRUE(draw({40, 20}).refreshEverySecond);
  EXPECT_TRUE(clock.refreshEverySecond);
}

TEST_F(Draw, TheOffScreenSurfaceIsMadeAgainOnlyWhenTheSizeChangesOrALayoutIsForced) {
  addCell(u"00");
  draw({40, 20});
  int created = surfaces.created;
  draw({40, 20});
  EXPECT_EQ(surfaces.created, created);
  draw({41, 20});
  EXPECT_EQ(surfaces.created, created + 1);
  painter.forceRelayout();
  draw({41, 20});
  EXPECT_EQ(surfaces.created, created + 2);
  EXPECT_EQ(surfaces.last->size(), (Size{41, 20}));
}

class TransparentTaskbar final : public FaceBackground {
 public:
  DrawSurface* mask() override { return &maskSurface; }
  DrawSurface* capturedBackground() override { return &backgroundSurface; }
  RecordingSurface maskSurface{{40, 20}};
  RecordingSurface backgroundSurface{{40, 20}};
};

TEST_F(Draw, TheMaskIsCombinedInTheOrderOfTheWindowsGeneration) {
  TransparentTaskbar taskbar;
  FacePainter themed(surfaces, FaceHooks{&taskbar, nullptr, nullptr});
  for (int generation : {5, 6}) {
    SCOPED_TRACE(generation);
    osGeneration = generation;
    if (surfaces.last != nullptr)
      surfaces.last->clear();
    target.clear();
    themed.draw(clock, inputs(), target, {40, 20});
    std::vector<std::pair<RasterOp, const DrawSurface*>> copies;
    for (const DrawOp& op : drawnOf(DrawOpKind::Copy)) copies.emplace_back(op.op, op.source);
    std::pair<RasterOp, const DrawSurface*> invertMask{RasterOp::Invert, &taskbar.maskSurface};
    std::pair<RasterOp, const DrawSurface*> paintBackground{RasterOp::Paint,
                                                            &taskbar.backgroundSurface};
    if (generation < 6) {
      EXPECT_EQ(copies, (std::vector{invertMask, paintBackground}));
    } else {
      EXPECT_EQ(copies, (std::vector{paintBackground, invertMask}));
    }
    ASSERT_EQ(target.ops().size(), 1u);
    EXPECT_EQ(target.ops()[0].op, RasterOp::Copy);
    EXPECT_EQ(target.ops()[0].source, surfaces.last);
    EXPECT_EQ(target.ops()[0].rect, (Rect{0, 0, 40, 20}));
  }
}

TEST_F(Draw, WithoutACapturedBackgroundTheFaceIsPaintedOnThePlainFaceColour) {
  draw({40, 20});
  ASSERT_FALSE(drawn().empty());
  EXPECT_EQ(drawn()[0].kind, DrawOpKind::Fill);
  EXPECT_EQ(drawn()[0].rect, (Rect{0, 0, 40, 20}));
  EXPECT_EQ(drawn()[0].colour, colours.face);
}

// A tick asks whether a paint now would show anything else than the last one; only then does
// the face repaint. Each case draws the face at 10:00:05 with Caps Lock off, then asks at a
// later moment with the key and the alarm as given.
TEST_F(Draw, OnlyAChangedTextABlinkingCellOrARingingAlarmWouldDrawOtherTexts) {
  struct Case {
    const char16_t* format;
    std::uint32_t blinkBits;
    int minute, second;
    bool capsOn, alarm, changed;
  };
  const Case cases[] = {
      {u"HH:mm", 0, 0, 6, false, false, false},   {u"HH:mm", 0, 1, 0, false, false, true},
      {u"HH:mm:ss", 0, 0, 6, false, false, true}, {u"HH:mm", 2, 0, 6, false, false, true},
      {u"HH:mm", 0, 0, 6, false, true, true},     {u"HH:mm <A>", 0, 0, 6, false, false, false},
      {u"HH:mm <A>", 0, 0, 6, true, false, true},
  };
  names.setText(NameText::CapsOn, u"CAPS");
  names.setText(NameText::CapsOff, u"");
  for (const Case& c : cases) {
    clock.cells.clear();
    addCell(u"d");
    addCell(c.format).blinkBits = c.blinkBits;
    lockKeys = FixedLockKeyStates(false, false, false);
    alarmRinging = false;
    setTime(10, 0, 5);
    EXPECT_TRUE(painter.wouldDrawOtherTexts(clock, inputs())) << "never drawn";
    measure();
    draw({80, 40});
    EXPECT_EQ(painter.wouldDrawOtherTexts(clock, inputs()), c.blinkBits != 0) << "just drawn";
    lockKeys = FixedLockKeyStates(c.capsOn, false, false);
    alarmRinging = c.alarm;
    setTime(10, c.minute, c.second);
    EXPECT_EQ(painter.wouldDrawOtherTexts(clock, inputs()), c.changed)
        << std::string(c.format, c.format + std::char_traits<char16_t>::length(c.format))
        << " at 10:" << c.minute << ":" << c.second;
  }
}

// The draw pass measures a changed text to find growth, but not one whose digits 1-9 changed and
// nothing else: normalised, it measures as the text before it.
TEST_F(Draw, AChangedTextIsMeasuredOnlyWhenItCouldHaveGrown) {
  addCell(u"HH:mm:ss");
  struct Step {
    int second;
    bool measured;
  };
  setTime(10, 0, 11);
  measure();
  draw({80, 40});
  for (Step step : {Step{12, false}, Step{13, false}, Step{20, true}, Step{21, true},
                    Step{29, false}, Step{29, false}}) {
    setTime(10, 0, step.second);
    const int before = surfaces.last->measureCalls();
    draw({80, 40});
    EXPECT_EQ(surfaces.last->measureCalls() - before, step.measured ? 1 : 0) << step.second;
  }
}

}  // namespace
}  // namespace zembrik::testing
