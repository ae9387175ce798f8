// The painter drawing through the GDI surface: where the text colour and the effect colours
// land, read back as pixels.
#include <gtest/gtest.h>

#include "engine/format/format_compile.h"
#include "engine/names/name_tables.h"
#include "engine/paint/face_painter.h"
#include "engine/settings/cell_value.h"
#include "platform/win32/font_win32.h"
#include "platform/win32/gdi_surface.h"
#include "tests/support/paint_world.h"
#include "tests/win32/gdi_pixels.h"

namespace zembrik::testing {
namespace {

constexpr Colour kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

class GdiPainter : public ::testing::Test, protected PaintWorld<GdiFontFactory> {
 protected:
  GdiPainter() {
    colours.text = kRed;
    colours.highlight = kGreen;
    colours.shadow = kBlue;
    colours.highlightPen = 0x00FFFF;
    colours.shadowPen = 0xFF00FF;
    colours.face = kWhite;
    auto cell = std::make_unique<CellConfig>();
    cell->format = u"88";
    compileFormat(cell->format, cell->compiled, true, zones);
    FontRequest request;
    request.face = "Arial";
    request.size = 20;
    request.weight = 700;
    request.antialiased = false;
    request.dpi = 96;
    cell->font = fonts.acquire(request);
    clock.cells.push_back(std::move(cell));
  }

  CellConfig& cell() { return *clock.cells[0]; }

  // Measures, then draws at `second` into a target of the wanted size.
  Pixels paintAt(int second) {
    CalendarTime time{2026, 12, 2, 8, 10, 0, static_cast<std::uint16_t>(second), 0};
    RenderMoment moment{time, time};
    PaintInputs inputs{environment, moment, cache, colours};
    PackedSize wanted = painter.measure(clock, inputs).size;
    Size client{packedWidth(wanted), packedHeight(wanted)};
    auto target = GdiSurface::createMemory(client);
    EXPECT_NE(target, nullptr);
    EXPECT_NE(painter.draw(clock, inputs, *target, client).size, 0u);
    return Pixels(target->dc(), client);
  }

  GdiSurfaceFactory surfaces;
  FacePainter painter{surfaces};
};

TEST_F(GdiPainter, TheTextColourStaysInsideTheCellRectangle) {
  Pixels drawn = paintAt(0);
  Rect rect = painter.placements()[0].rect;
  ASSERT_GT(drawn.count(kRed), 0);
  EXPECT_EQ(drawn.count(kRed), drawn.count(kRed, rect));
  EXPECT_EQ(drawn.count(kGreen) + drawn.count(kBlue), 0);
}

TEST_F(GdiPainter, EffectsPutTheirColoursAtTheirOffsets) {
  cell().effect = kEffectEngrave;
  Pixels engraved = paintAt(0);
  auto text = engraved.box(kRed);
  auto highlight = engraved.box(kGreen);
  auto shadow = engraved.box(kBlue);
  ASSERT_TRUE(text && highlight && shadow);
  // Highlight one pixel down and right, shadow one up and left, the text over both.
  EXPECT_EQ(highlight->right, text->right + 1);
  EXPECT_EQ(highlight->bottom, text->bottom + 1);
  EXPECT_EQ(shadow->left, text->left - 1);
  EXPECT_EQ(shadow->top, text->top - 1);
  Rect plain = *text;

  cell().effect = kEffectEmboss;
  Pixels embossed = paintAt(0);
  text = embossed.box(kRed);
  highlight = embossed.box(kGreen);
  shadow = embossed.box(kBlue);
  ASSERT_TRUE(text && highlight && shadow);
  EXPECT_EQ(*text, plain);
  EXPECT_EQ(shadow->right, text->right + 1);
  EXPECT_EQ(shadow->bottom, text->bottom + 1);
  EXPECT_EQ(highlight->left, text->left - 1);
  EXPECT_EQ(highlight->top, text->top - 1);

  cell().effect = kEffectShadow;
  Pixels shadowed = paintAt(0);
  text = shadowed.box(kRed);
  shadow = shadowed.box(kBlue);
  ASSERT_TRUE(text && shadow);
  EXPECT_EQ(*text, plain.offset(-1, -1));
  EXPECT_EQ(shadow->right, plain.right + 1);
  EXPECT_EQ(shadow->bottom, plain.bottom + 1);
  EXPECT_EQ(shadowed.count(kGreen), 0);
}

TEST_F(GdiPainter, AHiddenBlinkPhaseLeavesOnlyTheEffect) {
  cell().effect = kEffectEngrave;
  cell().blinkBits = kBlinkHideText;
  Pixels odd = paintAt(1);
  EXPECT_EQ(odd.count(kRed), 0);
  EXPECT_GT(odd.count(kGreen), 0);
  EXPECT_GT(odd.count(kBlue), 0);
  Pixels even = paintAt(2);
  EXPECT_GT(even.count(kRed), 0);
}

TEST_F(GdiPainter, NoSurfaceDrawsNothingAndReturnsZero) {
  CalendarTime time{2026, 12, 2, 8, 10, 0, 0, 0};
  RenderMoment moment{time, time};
  PaintInputs inputs{environment, moment, cache, colours};
  auto target = GdiSurface::createMemory({20, 20});
  ASSERT_NE(target, nullptr);
  target->fillRect({0, 0, 20, 20}, kWhite);
  EXPECT_EQ(painter.draw(clock, inputs, *target, {100000, 100000}).size, 0u);
  EXPECT_EQ(Pixels(target->dc(), {20, 20}).count(kWhite), 400);
}

}  // namespace
}  // namespace zembrik::testing
