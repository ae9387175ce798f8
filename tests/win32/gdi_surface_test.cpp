// The GDI surface against Wine's GDI: pixels read back from memory contexts.
#include "platform/win32/gdi_surface.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "platform/win32/font_win32.h"
#include "tests/win32/gdi_pixels.h"

namespace zembrik::testing {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;

class GdiSurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    surface = GdiSurface::createMemory(kSize);
    ASSERT_NE(surface, nullptr);
    surface->fillRect({0, 0, kSize.width, kSize.height}, kWhite);
    FontRequest request;
    request.face = "Arial";
    request.size = 14;
    request.weight = 700;
    request.antialiased = false;
    request.dpi = 96;
    font = fonts.createFont(request);
    ASSERT_NE(font, 0u);
  }
  void TearDown() override {
    surface.reset();  // selects the font out before it is deleted
    fonts.deleteFont(font);
  }
  Pixels pixels() const { return Pixels(surface->dc(), kSize); }

  static constexpr Size kSize{120, 40};
  GdiFontFactory fonts;
  FontHandle font = 0;
  std::unique_ptr<GdiSurface> surface;
};

TEST_F(GdiSurfaceTest, TextStaysInsideItsRectangleInEveryAlignment) {
  surface->selectFont(font);
  Size extent = surface->measureText(u"88");
  ASSERT_GT(extent.width, 0);
  Rect rect{20, 5, 100, 5 + extent.height};
  struct Case {
    TextAlign align;
    int expectedLeft;  // where the text's box starts
  } cases[] = {{TextAlign::Left, rect.left},
               {TextAlign::Centre, rect.left + (rect.width() - extent.width) / 2},
               {TextAlign::Right, rect.right - extent.width}};
  for (const Case& c : cases) {
    surface->fillRect({0, 0, kSize.width, kSize.height}, kWhite);
    surface->setTextColour(kRed);
    surface->drawText(u"88", rect, c.align);
    Pixels drawn = pixels();
    auto inside = drawn.box(kRed, rect);
    ASSERT_TRUE(inside.has_value());
    EXPECT_EQ(drawn.count(kRed), drawn.count(kRed, rect)) << "no text colour outside the rectangle";
    // The glyphs sit within the measured extent of the text, placed by the alignment.
    EXPECT_GE(inside->left, c.expectedLeft);
    EXPECT_LE(inside->right, c.expectedLeft + extent.width);
  }
}

TEST_F(GdiSurfaceTest, MeasuresLikeDrawTextAndEmptyTextIsOneLine) {
  surface->selectFont(font);
  Size one = surface->measureText(u"8");
  Size two = surface->measureText(u"88");
  EXPECT_EQ(two.width, 2 * one.width);
  EXPECT_EQ(two.height, one.height);
  EXPECT_EQ(surface->measureText(u""), (Size{0, one.height}));
  EXPECT_EQ(surface->measureText(u"8\n8").height, 2 * one.height);
  EXPECT_GT(surface->measureText(u"&8").width, one.width) << "no prefix processing";
  surface->selectFont(0);
  EXPECT_NE(surface->measureText(u"88"), two) << "0 selects the context's own font back";
}

TEST_F(GdiSurfaceTest, LinesLeaveOutTheirEndAndPolylinesJoinTheirPoints) {
  surface->setPen(kRed);
  surface->drawLine({5, 2}, {5, 12});
  surface->setPen(kBlue);
  const Point points[] = {{20, 2}, {30, 2}, {30, 12}};
  surface->drawPolyline(points);
  Pixels drawn = pixels();
  EXPECT_EQ(drawn.box(kRed), (Rect{5, 2, 6, 12}));
  EXPECT_EQ(drawn.box(kBlue), (Rect{20, 2, 31, 12}));
}

// Graph lines go to GDI without the inner points of their level runs: the pixels must be those
// of GDI's own Polyline through every point, for steady, stepping, zigzag and back-tracking lines.
TEST_F(GdiSurfaceTest, PolylinesDrawTheSamePixelsAsEveryPointThroughGdi) {
  auto graph = [](std::initializer_list<int> ys) {
    std::vector<Point> points;
    int x = 10;
    for (int y : ys) points.push_back({x++, y});
    return points;
  };
  struct Case {
    const char* name;
    std::vector<Point> points;
    std::size_t handedToGdi;
  };
  const Case cases[] = {
      {"steady", graph({20, 20, 20, 20, 20, 20, 20, 20}), 2},
      {"steps", graph({30, 30, 30, 10, 10, 10, 35, 35}), 6},
      {"zigzag", graph({5, 25, 5, 25, 5, 25}), 6},
      {"spikes in a level run", graph({20, 20, 2, 20, 20, 20, 38, 20, 20}), 8},
      {"back-tracking on one row",
       {{10, 15}, {60, 15}, {30, 15}, {90, 15}, {90, 30}, {40, 30}, {20, 30}},
       6},
  };
  std::vector<Point> joined;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    joinLevelRuns(c.points, joined);
    EXPECT_EQ(joined.size(), c.handedToGdi);

    auto reference = GdiSurface::createMemory(kSize);
    ASSERT_NE(reference, nullptr);
    for (GdiSurface* target : {surface.get(), reference.get()})
      target->fillRect({0, 0, kSize.width, kSize.height}, kWhite);
    surface->setPen(kBlue);
    surface->drawPolyline(c.points);
    HPEN pen = CreatePen(PS_SOLID, 1, kBlue);
    HGDIOBJ previous = SelectObject(reference->dc(), pen);
    Polyline(reference->dc(), reinterpret_cast<const POINT*>(c.points.data()),
             static_cast<int>(c.points.size()));
    SelectObject(reference->dc(), previous);
    DeleteObject(pen);

    Pixels drawn = pixels();
    Pixels expected(reference->dc(), kSize);
    int differing = 0;
    for (int y = 0; y < kSize.height; ++y) {
      for (int x = 0; x < kSize.width; ++x) differing += drawn.at(x, y) != expected.at(x, y);
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(drawn.count(kBlue), 0);
  }
}

TEST_F(GdiSurfaceTest, CopiesWithEachRasterOperation) {
  auto source = GdiSurface::createMemory({4, 4});
  ASSERT_NE(source, nullptr);
  source->fillRect({0, 0, 4, 4}, 0xF000F0);
  struct Case {
    RasterOp op;
    Colour result;
  } cases[] = {{RasterOp::Copy, 0xF000F0},
               {RasterOp::Invert, 0xF000F0 ^ 0x0F0FF0},
               {RasterOp::Paint, 0xF000F0 | 0x0F0FF0}};
  for (const Case& c : cases) {
    surface->fillRect({0, 0, 10, 10}, 0x0F0FF0);
    surface->copyFrom(*source, {2, 2, 6, 6}, {0, 0}, c.op);
    Pixels drawn = pixels();
    EXPECT_EQ(drawn.at(2, 2), c.result);
    EXPECT_EQ(drawn.at(5, 5), c.result);
    EXPECT_EQ(drawn.at(6, 6), 0x0F0FF0u);
  }
}

// Brushes are kept per colour, a few at a time: a fill in a colour whose brush went out of the
// cache (possibly the one selected) fills in that colour all the same.
TEST_F(GdiSurfaceTest, FillsInEachColourPastTheBrushesKept) {
  const Colour colours[] = {0x010203, 0x102030, 0x203040, 0x304050, 0x405060, 0x506070};
  for (int round = 0; round < 2; ++round) {
    for (std::size_t i = 0; i < std::size(colours); ++i) {
      const int left = static_cast<int>(i) * 10;
      surface->fillRect({left, 0, left + 10, 10}, colours[i]);
      surface->fillRect({left, 10, left + 10, 20}, colours[(i + 3) % std::size(colours)]);
    }
    Pixels drawn = pixels();
    for (std::size_t i = 0; i < std::size(colours); ++i) {
      const int left = static_cast<int>(i) * 10;
      EXPECT_EQ(drawn.count(colours[i], {left, 0, left + 10, 10}), 100) << i;
      EXPECT_EQ(drawn.count(colours[(i + 3) % std::size(colours)], {left, 10, left + 10, 20}), 100)
          << i;
    }
  }
  EXPECT_EQ(pixels().count(kWhite, {0, 20, kSize.width, kSize.height}),
            kSize.width * (kSize.height - 20))
      << "fills stay inside their rectangles";
}

TEST(GdiSurface, ASizeGdiRefusesGivesNoSurface) {
  EXPECT_EQ(GdiSurface::createMemory({100000, 100000}), nullptr);
  GdiSurfaceFactory factory;
  EXPECT_NE(factory.createMemorySurface({10, 10}), nullptr);
}

TEST(GdiSurface, ABorrowedContextGetsItsObjectsBack) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
  HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  COLORREF textColour = GetTextColor(dc);
  int mode = GetBkMode(dc);
  {
    GdiSurface borrowed(dc, {10, 10});
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    borrowed.setPen(kRed);
    borrowed.fillRect({0, 0, 10, 10}, kBlue);
    borrowed.setTextColour(kRed);
    HFONT other = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    borrowed.selectFont(static_cast<FontHandle>(reinterpret_cast<std::uintptr_t>(other)));
    borrowed.measureText(u"8");  // a chosen font is selected for the first text call
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), other);
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
  EXPECT_EQ(GetTextColor(dc), textColour);
  EXPECT_EQ(GetBkMode(dc), mode);
  DeleteDC(dc);
}

}  // namespace
}  // namespace zembrik::testing
