// What the draw pass tells the add-on hook: the strip the add-on cells took and where each
// leading column (row on a vertical taskbar) ends.
#include <gtest/gtest.h>

#include <vector>

#include "engine/paint/face_hooks.h"
#include "tests/paint/paint_fixture.h"

namespace zembrik::testing {
namespace {

class RecordingAddons final : public AddonLayout {
 public:
  int leadingColumns(const ClockConfig& clock) const override {
    return clock.placement.vertical ? 0 : leading;
  }
  int leadingRows(const ClockConfig& clock) const override {
    return clock.placement.vertical ? leading : 0;
  }
  void placed(const Rect& placedStrip, std::span<const int> ends) override {
    strip = placedStrip;
    slotEnds.assign(ends.begin(), ends.end());
  }
  int leading = 0;
  Rect strip{1, 1, 1, 1};
  std::vector<int> slotEnds{-1};
};

class AddonStrip : public PaintFixture {
 protected:
  RecordingAddons addons;
  FacePainter withAddons{surfaces, FaceHooks{nullptr, nullptr, &addons}};

  void paintThreeCells(bool vertical, int columns) {
    clock.placement.vertical = vertical;
    for (const char16_t* text : {u"00", u"1111", u"22"}) addCell(text);
    clock.columns = columns;
    clock.rows = 3 / columns;
    withAddons.measure(clock, inputs());
    withAddons.draw(clock, inputs(), target, {80, 60});
  }
};

TEST_F(AddonStrip, HorizontalReportsTheLeadingColumnsEnds) {
  addons.leading = 2;
  paintThreeCells(false, 3);
  const int first = clock.columnMetrics[0].width + clock.columnMetrics[0].extraWidth;
  const int second = first + clock.columnMetrics[1].width + clock.columnMetrics[1].extraWidth;
  EXPECT_EQ(addons.slotEnds, (std::vector<int>{first, second}));
  EXPECT_EQ(addons.strip, (Rect{0, 0, second, 60}));
}

TEST_F(AddonStrip, VerticalReportsTheLeadingRowsEnds) {
  addons.leading = 1;
  paintThreeCells(true, 1);
  const int rowEnd = withAddons.placements()[0].rect.bottom;
  ASSERT_GT(rowEnd, 0);
  EXPECT_LT(rowEnd, withAddons.placements()[1].rect.bottom);
  EXPECT_EQ(addons.slotEnds, (std::vector<int>{rowEnd}));
  EXPECT_EQ(addons.strip, (Rect{0, 0, 80, rowEnd}));
}

TEST_F(AddonStrip, WithoutAddonCellsTheStripIsEmpty) {
  paintThreeCells(false, 3);
  EXPECT_TRUE(addons.slotEnds.empty());
  EXPECT_EQ(addons.strip, Rect{});
}

}  // namespace
}  // namespace zembrik::testing
