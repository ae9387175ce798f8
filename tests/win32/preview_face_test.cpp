// The built-in faces as zembrik-preview paints them: every cell's pixels, each cell in a colour
// of its own, lie where the layout puts the cell.
#include <gtest/gtest.h>

#include "platform/win32/font_win32.h"
#include "platform/win32/gdi_surface.h"
#include "tests/support/paint_world.h"
#include "tests/win32/gdi_pixels.h"
#include "tools/preview/face_preview.h"

namespace zembrik::testing {
namespace {

constexpr Colour kCellColours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF,
                                   0xFF00FF, 0xFFFF00, 0x000080};

class PreviewFace : public ::testing::Test, protected PaintWorld<GdiFontFactory> {
 protected:
  // Loads the built-in face, gives every cell its own colour and paints it at 10:09:05 on a
  // Tuesday, with the lock-key texts visible.
  void paint(bool vertical, Size client) {
    PreviewClock which;
    which.vertical = vertical;
    which.windowHeight = client.height;
    loadPreviewFace(clock, which, nullptr, fonts, names, zones);
    names.setText(NameText::CapsOff, u"a");
    names.setText(NameText::NumOff, u"n");
    names.setText(NameText::ScrollOff, u"s");
    for (std::size_t i = 0; i < clock.cells.size(); ++i) {
      if (clock.cells[i])
        clock.cells[i]->colour = kCellColours[i % std::size(kCellColours)];
    }
    CalendarTime time{2026, 12, 2, 8, 10, 9, 5, 0};
    RenderMoment moment{time, time};
    PaintInputs inputs{environment, moment, cache, colours};
    image = paintPreview(clock, painter, inputs, client);
    ASSERT_NE(image, nullptr);
    pixels.emplace(image->dc(), image->size());
  }

  Rect inkOf(std::size_t cell) const {
    auto box = pixels->box(kCellColours[cell % std::size(kCellColours)]);
    EXPECT_TRUE(box.has_value()) << "cell " << cell << " drew nothing";
    return box.value_or(Rect{});
  }
  int height(std::size_t cell) const { return static_cast<int>(clock.cells[cell]->tallest); }
  int columnWidth(int column) const { return clock.columnMetrics[column].width; }

  static void expectInside(const Rect& ink, const Rect& area) {
    EXPECT_GE(ink.left, area.left);
    EXPECT_GE(ink.top, area.top);
    EXPECT_LE(ink.right, area.right);
    EXPECT_LE(ink.bottom, area.bottom);
  }
  static void expectCentred(const Rect& ink, int left, int right) {
    EXPECT_NEAR(ink.left + ink.right, left + right, 3);
  }

  // The face colour is 0xC0C0C0, apart from every cell colour.
  GdiSurfaceFactory surfaces;
  FacePainter painter{surfaces};
  std::unique_ptr<FaceImage> image;
  std::optional<Pixels> pixels;
};

TEST_F(PreviewFace, LowHorizontalClockShowsTheTimeBetweenTheMargins) {
  paint(false, {0, 24});
  int width = image->size().width;
  ASSERT_EQ(clock.cells.size(), 1u);
  EXPECT_EQ(width, 6 + columnWidth(0) + 6);
  Rect time = inkOf(0);
  expectInside(time, {6, 0, width - 6, height(0)});
  EXPECT_LE(time.left, 6 + 2) << "left-aligned";
}

TEST_F(PreviewFace, TallHorizontalClockHasThreeColumns) {
  paint(false, {0, 40});
  ASSERT_EQ(clock.cells.size(), 7u);
  int x0 = 6, x1 = x0 + columnWidth(0), x2 = x1 + columnWidth(1), x3 = x2 + columnWidth(2);
  EXPECT_EQ(image->size().width, x3 + 6);

  // Column 0: the Num, Caps and Scroll Lock letters, stacked and left-aligned.
  int y = 0;
  for (std::size_t cell : {0u, 3u, 6u}) {
    Rect ink = inkOf(cell);
    expectInside(ink, {x0, y, x1, y + height(cell)});
    EXPECT_LE(ink.left, x0 + 2);
    y += height(cell);
  }
  // Column 1: the day name over the date, both centred.
  Rect day = inkOf(1);
  expectInside(day, {x1, 0, x2, height(1)});
  expectCentred(day, x1, x2);
  Rect date = inkOf(4);
  expectInside(date, {x1, height(1), x2, height(1) + height(4)});
  expectCentred(date, x1, x2);
  // Column 2: the time, left-aligned after its leading space, from the top.
  Rect time = inkOf(2);
  expectInside(time, {x2, 0, x3, height(2)});
  auto measuring = GdiSurface::createMemory({1, 1});
  ASSERT_NE(measuring, nullptr);
  measuring->selectFont(clock.cells[2]->font->handle);
  int space = measuring->measureText(u" ").width;
  EXPECT_GE(time.left, x2 + space);
  EXPECT_LE(time.left, x2 + space + 6) << "a digit's side bearing at most";
}

TEST_F(PreviewFace, VerticalClockPutsTheTimeOverTheLockLettersAndTheDateBelow) {
  paint(true, {80, 0});
  ASSERT_EQ(clock.cells.size(), 5u);
  int width = 80;
  int top = 4;
  // The lock letters in the corners: Caps left and Num right, Scroll below Caps.
  Rect capsAndNum = inkOf(0);
  expectInside(capsAndNum, {0, top, width, top + height(0)});
  EXPECT_LE(capsAndNum.left, 2);
  EXPECT_GE(capsAndNum.right, width - 2);
  Rect scroll = inkOf(1);
  expectInside(scroll, {0, top + height(0), width / 2, top + height(0) + height(1)});
  // The time starts a new group at the top, centred; day and date follow it.
  Rect time = inkOf(2);
  expectInside(time, {0, top, width, top + height(2)});
  expectCentred(time, 0, width);
  int y = top + height(2);
  Rect day = inkOf(3);
  expectInside(day, {0, y, width, y + height(3)});
  expectCentred(day, 0, width);
  y += height(3);
  Rect date = inkOf(4);
  expectInside(date, {0, y, width, y + height(4)});
  expectCentred(date, 0, width);
  EXPECT_EQ(image->size().height, y + height(4) + 4) << "the bottom margin";
}

}  // namespace
}  // namespace zembrik::testing
