// Drawing the graphs and bars, and the room the bars take from the text.
#include <gtest/gtest.h>

#include "meter_fakes.h"
#include "meters/meter_drawing.h"

namespace zembrik {
namespace {

using test::RecordingMeterSurface;
using Fill = RecordingMeterSurface::Fill;

constexpr MeterRect kClient{0, 0, 100, 40};

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

TEST(MeterDrawing, GraphPenIsMadeOnlyWhenItsColourChanges) {
  RecordingMeterSurface surface;
  BarBrushCache brushes;
  MeterBlock meter;
  setGraph(meter, 0x00FFFF, 3);

  drawMeter(surface, meter, kClient, kClient, brushes);
  drawMeter(surface, meter, kClient, kClient, brushes);
  meter.charging = true;
  drawMeter(surface, meter, kClient, kClient, brushes);
  meter.charging = false;
  drawMeter(surface, meter, kClient, kClient, brushes);

  EXPECT_EQ(surface.pensMade, (std::vector<std::uint32_t>{0x00FFFF, 0x010000, 0x00FFFF}));
  ASSERT_EQ(surface.lines.size(), 4u);
  EXPECT_EQ(surface.lines[2].colour, 0x010000u);
  EXPECT_EQ(surface.lines[0].points, (std::vector<MeterPoint>{{0, 10}, {1, 11}, {2, 12}}));
  EXPECT_TRUE(surface.fills.empty());
}

TEST(MeterDrawing, GraphOfOnePointDrawsNothingAndAnyColourGetsAPen) {
  RecordingMeterSurface surface;
  BarBrushCache brushes;
  MeterBlock meter;
  setGraph(meter, 0xFFFFFFFF, 1);  // the colour that also marks "no pen yet"
  drawMeter(surface, meter, kClient, kClient, brushes);
  EXPECT_EQ(surface.pensMade.size(), 1u);
  EXPECT_TRUE(surface.lines.empty());

  meter.pointCount = 2;
  drawMeter(surface, meter, kClient, kClient, brushes);
  EXPECT_EQ(surface.lines.size(), 1u);
}

TEST(MeterDrawing, RefusedPenIsTriedAgainNextTime) {
  RecordingMeterSurface surface;
  BarBrushCache brushes;
  MeterBlock meter;
  setGraph(meter, 7, 5);
  surface.refuse = true;
  drawMeter(surface, meter, kClient, kClient, brushes);
  EXPECT_TRUE(surface.lines.empty());
  surface.refuse = false;
  drawMeter(surface, meter, kClient, kClient, brushes);
  EXPECT_EQ(surface.lines.size(), 1u);
}

TEST(MeterDrawing, BarStandsOnItsEdge) {
  struct Case {
    BarEdge edge;
    MeterRect rect;
  };
  const Case cases[] = {
      {BarEdge::Left, {0, 30, 4, 40}},
      {BarEdge::Right, {96, 30, 100, 40}},
      {BarEdge::Top, {0, 0, 10, 4}},
      {BarEdge::Bottom, {0, 36, 10, 40}},
  };
  for (const auto& c : cases) {
    RecordingMeterSurface surface;
    BarBrushCache brushes;
    MeterBlock meter;
    setBar(meter, c.edge, 4, 2, 10, 0x00FF00);
    drawMeter(surface, meter, kClient, kClient, brushes);
    EXPECT_EQ(surface.fills, (std::vector<Fill>{{c.rect, 0x00FF00}})) << static_cast<int>(c.edge);
  }
}

TEST(MeterDrawing, HiddenEmptyOrChargingBars) {
  RecordingMeterSurface surface;
  BarBrushCache brushes;
  MeterBlock meter;
  setBar(meter, BarEdge::Left, 4, 0, 0, 0x10);
  drawMeter(surface, meter, kClient, kClient, brushes);  // no length yet
  meter.barLength = 8;
  meter.hidden = true;
  setGraph(meter, 5, 4);
  drawMeter(surface, meter, kClient, kClient, brushes);
  EXPECT_TRUE(surface.fills.empty());
  EXPECT_TRUE(surface.lines.empty());

  meter.hidden = false;
  meter.charging = true;
  drawMeter(surface, meter, kClient, kClient, brushes);
  ASSERT_EQ(surface.fills.size(), 1u);
  EXPECT_EQ(surface.fills[0].colour, 0x11u);
}

TEST(MeterDrawing, BarsOnOneEdgeStandSideBySideBatteryOutermost) {
  RecordingMeterSurface surface;
  BarBrushCache brushes;
  ClockMeters meters;
  setBar(meters.battery, BarEdge::Right, 3, 1, 10, 0xB);
  setBar(meters.memory, BarEdge::Right, 4, 2, 20, 0xA);
  setBar(meters.cpu, BarEdge::Right, 5, 0, 30, 0xC);
  meters.battery.hidden = true;  // not drawn, but keeps its place

  drawMeters(surface, meters, kClient, brushes);
  EXPECT_EQ(surface.fills, (std::vector<Fill>{{{92, 20, 96, 40}, 0xA}, {{85, 10, 90, 40}, 0xC}}));
}

TEST(MeterDrawing, BarBrushIsMadeAgainOnlyForAnotherColour) {
  RecordingMeterSurface surface;
  BarBrushCache brushes;
  ClockMeters meters;
  setBar(meters.memory, BarEdge::Left, 2, 0, 5, 0xA);
  setBar(meters.cpu, BarEdge::Top, 2, 0, 5, 0xA);
  drawMeters(surface, meters, kClient, brushes);
  drawMeters(surface, meters, kClient, brushes);
  EXPECT_EQ(surface.brushesMade, (std::vector<std::uint32_t>{0xA}));

  meters.cpu.barColour = 0xC;  // one cached brush: two colours take turns
  drawMeters(surface, meters, kClient, brushes);
  drawMeters(surface, meters, kClient, brushes);
  EXPECT_EQ(surface.brushesMade, (std::vector<std::uint32_t>{0xA, 0xC, 0xA, 0xC}));
}

TEST(MeterBands, EachBarTakesItsWidthPlusSpaceFromItsEdge) {
  ClockMeters meters;
  EXPECT_EQ(meterBands(meters), MeterBands{});
  setBar(meters.cpu, BarEdge::Right, 4, 2, 0, 65280);
  EXPECT_EQ(meterBands(meters), (MeterBands{0, 6, 0, 0}));
  setBar(meters.memory, BarEdge::Right, 3, 0, 0, 1);
  setBar(meters.battery, BarEdge::Top, 2, 1, 0, 1);
  EXPECT_EQ(meterBands(meters), (MeterBands{0, 9, 3, 0}));
  meters.cpu.barWidth = 0;  // switched off: its space goes too
  EXPECT_EQ(meterBands(meters), (MeterBands{0, 3, 3, 0}));
}

}  // namespace
}  // namespace zembrik
