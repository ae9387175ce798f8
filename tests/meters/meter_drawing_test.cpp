// Drawing the graphs and bars, and the room the bars take from the text.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/meters/meter_drawing.h"
#include "tests/doubles/recording_surface.h"

namespace zembrik {
namespace {

constexpr Rect kClient{0, 0, 100, 40};

void setBar(MeterBlock& meter, BarEdge edge, int width, int space, int length,
            std::uint32_t colour) {
  meter.position = edge;
  meter.barWidth = static_cast<std::int8_t>(width);
  meter.space = static_cast<std::int8_t>(space);
  meter.barLength = length;
  meter.barColour = colour;
  meter.barChargeColour = colour + 1;
}

void setGraph(MeterBlock& meter, std::uint32_t colour, int points) {
  meter.graphOn = true;
  meter.graphColour = colour;
  meter.graphChargeColour = colour + 1;
  for (int k = 0; k < points; ++k) meter.points[k] = {k, 10 + k};
  meter.pointCount = points;
}

std::vector<DrawOp> opsOf(const RecordingSurface& surface, DrawOpKind kind) {
  std::vector<DrawOp> found;
  std::copy_if(surface.ops().begin(), surface.ops().end(), std::back_inserter(found),
               [&](const DrawOp& op) { return op.kind == kind; });
  return found;
}

std::vector<std::pair<Rect, Colour>> fills(const RecordingSurface& surface) {
  std::vector<std::pair<Rect, Colour>> out;
  for (const DrawOp& op : opsOf(surface, DrawOpKind::Fill)) out.emplace_back(op.rect, op.colour);
  return out;
}

TEST(MeterDrawing, GraphTakesItsColourOrItsChargeColour) {
  RecordingSurface surface({100, 40});
  MeterBlock meter;
  setGraph(meter, 0x00FFFF, 3);
  drawMeter(surface, meter, kClient, kClient);
  meter.charging = true;
  drawMeter(surface, meter, kClient, kClient);

  auto lines = opsOf(surface, DrawOpKind::Polyline);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].colour, 0x00FFFFu);
  EXPECT_EQ(lines[0].points, (std::vector<Point>{{0, 10}, {1, 11}, {2, 12}}));
  EXPECT_EQ(lines[1].colour, 0x010000u);
  EXPECT_TRUE(opsOf(surface, DrawOpKind::Fill).empty());
}

TEST(MeterDrawing, GraphOfOnePointDrawsNothing) {
  RecordingSurface surface({100, 40});
  MeterBlock meter;
  setGraph(meter, 5, 1);
  drawMeter(surface, meter, kClient, kClient);
  EXPECT_TRUE(surface.ops().empty());
}

TEST(MeterDrawing, BarStandsOnItsEdge) {
  struct Case {
    BarEdge edge;
    Rect rect;
  };
  const Case cases[] = {
      {BarEdge::Left, {0, 30, 4, 40}},
      {BarEdge::Right, {96, 30, 100, 40}},
      {BarEdge::Top, {0, 0, 10, 4}},
      {BarEdge::Bottom, {0, 36, 10, 40}},
  };
  for (const auto& c : cases) {
    RecordingSurface surface({100, 40});
    MeterBlock meter;
    setBar(meter, c.edge, 4, 2, 10, 0x00FF00);
    drawMeter(surface, meter, kClient, kClient);
    EXPECT_EQ(fills(surface), (std::vector<std::pair<Rect, Colour>>{{c.rect, 0x00FF00}}))
        << static_cast<int>(c.edge);
  }
}

TEST(MeterDrawing, HiddenEmptyOrChargingBars) {
  RecordingSurface surface({100, 40});
  MeterBlock meter;
  setBar(meter, BarEdge::Left, 4, 0, 0, 0x10);
  drawMeter(surface, meter, kClient, kClient);  // no length yet
  meter.barLength = 8;
  meter.hidden = true;
  setGraph(meter, 5, 4);
  drawMeter(surface, meter, kClient, kClient);
  EXPECT_TRUE(surface.ops().empty());

  meter.hidden = false;
  meter.charging = true;
  drawMeter(surface, meter, kClient, kClient);
  auto drawn = fills(surface);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].second, 0x11u);
  EXPECT_EQ(surface.ops().front().kind, DrawOpKind::Polyline);  // the bar goes over the graph
}

TEST(MeterDrawing, BarsOnOneEdgeStandSideBySideBatteryOutermost) {
  RecordingSurface surface({100, 40});
  ClockMeters meters;
  setBar(meters.battery, BarEdge::Right, 3, 1, 10, 0xB);
  setBar(meters.memory, BarEdge::Right, 4, 2, 20, 0xA);
  setBar(meters.cpu, BarEdge::Right, 5, 0, 30, 0xC);
  meters.battery.hidden = true;  // not drawn, but keeps its place

  drawMeters(surface, meters, kClient);
  EXPECT_EQ(fills(surface), (std::vector<std::pair<Rect, Colour>>{{{92, 20, 96, 40}, 0xA},
                                                                  {{85, 10, 90, 40}, 0xC}}));
}

TEST(MeterDrawing, EdgesAreNarrowedIndependently) {
  RecordingSurface surface({100, 40});
  ClockMeters meters;
  setBar(meters.battery, BarEdge::Top, 2, 1, 50, 0xB);
  setBar(meters.memory, BarEdge::Left, 3, 0, 20, 0xA);
  setBar(meters.cpu, BarEdge::Top, 2, 0, 60, 0xC);

  drawMeters(surface, meters, kClient);
  // The left bar does not move the top bars, which start at the client's left edge.
  EXPECT_EQ(fills(surface),
            (std::vector<std::pair<Rect, Colour>>{
                {{0, 0, 50, 2}, 0xB}, {{0, 20, 3, 40}, 0xA}, {{0, 3, 60, 5}, 0xC}}));
}

TEST(MeterBands, EachBarTakesItsWidthPlusSpaceFromItsEdge) {
  ClockMeters meters;
  EXPECT_EQ(meterBands(meters), EdgeBands{});
  setBar(meters.cpu, BarEdge::Right, 4, 2, 0, 65280);
  EXPECT_EQ(meterBands(meters), (EdgeBands{0, 6, 0, 0}));
  setBar(meters.memory, BarEdge::Right, 3, 0, 0, 1);
  setBar(meters.battery, BarEdge::Top, 2, 1, 0, 1);
  EXPECT_EQ(meterBands(meters), (EdgeBands{0, 9, 3, 0}));
  meters.cpu.barWidth = 0;  // switched off: its space goes too
  EXPECT_EQ(meterBands(meters), (EdgeBands{0, 3, 3, 0}));
}

}  // namespace
}  // namespace zembrik
