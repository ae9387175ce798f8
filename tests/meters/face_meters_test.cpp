// The meters inside the painter: the room the bars take when the face is measured and laid out,
// the graphs laid out again for the client size, and the drawing over the cells.
#include <gtest/gtest.h>

#include "engine/meters/face_meters.h"
#include "engine/meters/meter_values.h"
#include "tests/meters/meter_fakes.h"
#include "tests/paint/paint_fixture.h"

namespace zembrik {
namespace {

class FaceMetersTest : public testing::PaintFixture {
 protected:
  ClockMeters meters;
  ClockFaceMeters faceMeters{meters};
  FacePainter meterPainter{surfaces, FaceHooks{nullptr, &faceMeters, nullptr}};

  test::FakeSystemLoad system;
  MeterProcessState process;
  test::FakeAlarmNames alarmNames;
  AlarmDisplay alarms;
  bool repaintEveryTick = false;

  void SetUp() override {
    addCell(u"HH:mm");
    setTime(10, 30, 0);
    applyBarSettings(meters.cpu, parseBarValue(u"R65280,4,2"));
    applyGraphSettings(meters.memory, parseGraphValue(u"G255"));
  }
  void tick() {
    sampleMeters(meters, {alarms, 0, repaintEveryTick}, {system, process, alarmNames}, false);
  }
  PaintOutcome drawWithMeters(Size client) {
    if (surfaces.last != nullptr)
      surfaces.last->clear();
    return meterPainter.draw(clock, inputs(), target, client);
  }
};

TEST_F(FaceMetersTest, BarTakesItsWidthAndSpaceFromTheMeasuredSizeAndTheText) {
  PackedSize plain = measure().size;
  Size client{60, 30};
  draw(client);
  Rect plainText = painter.placements()[0].rect;

  PackedSize withBar = meterPainter.measure(clock, inputs()).size;
  EXPECT_EQ(packedWidth(withBar), packedWidth(plain) + 6);
  EXPECT_EQ(packedHeight(withBar), packedHeight(plain));
  drawWithMeters(client);
  Rect barText = meterPainter.placements()[0].rect;
  EXPECT_EQ(barText.left, plainText.left);
  EXPECT_LE(barText.right, 60 - 6);
}

TEST_F(FaceMetersTest, BarAtTheRightEdgeAndGraphAcrossTheFaceOverTheCells) {
  meterPainter.measure(clock, inputs());
  drawWithMeters({60, 30});  // lays the graph out over the client width
  EXPECT_EQ(meters.area, (MeterArea{60, 30, 0}));
  EXPECT_EQ(meters.memory.pointCount, 60);

  tick();
  for (int busy : {20, 50, 80}) {
    system.advanceCpu(busy);
    system.memory = static_cast<std::uint32_t>(busy / 2);
    tick();
  }
  drawWithMeters({60, 30});

  const auto& ops = surfaces.last->ops();
  auto graph = std::find_if(ops.begin(), ops.end(),
                            [](const DrawOp& op) { return op.kind == DrawOpKind::Polyline; });
  ASSERT_NE(graph, ops.end());
  EXPECT_EQ(graph->colour, 255u);
  ASSERT_EQ(graph->points.size(), 60u);
  EXPECT_EQ(graph->points.front(), (Point{0, 30}));
  EXPECT_EQ(graph->points.back(), (Point{59, 30 - 30 * 40 / 100}));
  for (auto op = graph; op != ops.end(); ++op) EXPECT_NE(op->kind, DrawOpKind::Text);

  const DrawOp& bar = ops.back();
  EXPECT_EQ(bar.kind, DrawOpKind::Fill);
  EXPECT_EQ(bar.colour, 65280u);
  EXPECT_EQ(bar.rect, (Rect{56, 30 - 30 * 80 / 100, 60, 30}));
}

}  // namespace
}  // namespace zembrik
