// A face with a CPU bar and a memory graph as zembrik-preview paints it after fed readings:
// the bar stands at the right edge in its colour, the graph runs across the face.
#include <gtest/gtest.h>

#include "engine/meters/face_meters.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "platform/win32/font_win32.h"
#include "platform/win32/gdi_surface.h"
#include "tests/support/paint_world.h"
#include "tests/win32/gdi_pixels.h"
#include "tools/preview/face_preview.h"
#include "tools/preview/meter_feed.h"

namespace zembrik::testing {
namespace {

constexpr Colour kBarGreen = 65280;  // 0x00FF00
constexpr Colour kGraphRed = 255;    // 0x0000FF

TEST(MeterFeed, ParsesReadings) {
  auto feed = parseMeterFeed(L"30:20,35:60:80");
  ASSERT_TRUE(feed.has_value());
  ASSERT_EQ(feed->size(), 2u);
  EXPECT_EQ((*feed)[0].memory, 30);
  EXPECT_EQ((*feed)[0].cpu, 20);
  EXPECT_EQ((*feed)[0].battery, -1);
  EXPECT_EQ((*feed)[1].battery, 80);
  for (const wchar_t* bad : {L"", L"30", L"30:", L"30:101", L"a:b", L"1:2:3:4", L"1:2,", L"-1:2"})
    EXPECT_FALSE(parseMeterFeed(bad).has_value()) << bad;
}

class PreviewMeters : public ::testing::Test, protected PaintWorld<GdiFontFactory> {
 protected:
  PreviewMeters() {
    auto set = user->createSubkey(std::u16string(kSettingsRootPath) + u"\\horizontal",
                                  kKeyReadWrite, KeyLifetime::Persistent)
                   .key;
    writeText(*set, u"cpuLoad", u"R65280,4,2");
    writeText(*set, u"memGraf", u"G255");
    PreviewClock which;
    loadPreviewFace(clock, which, user.get(), fonts, names, zones);
  }

  void paint(Size client) {
    CalendarTime time{2026, 12, 2, 8, 10, 9, 5, 0};
    RenderMoment moment{time, time};
    PaintInputs inputs{environment, moment, cache, colours};
    image = paintPreview(clock, painter, inputs, client);
    ASSERT_NE(image, nullptr);
    pixels.emplace(image->dc(), image->size());
  }

  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> user = registry.currentUser();
  ClockFaceMeters faceMeters{clock.meters};
  GdiSurfaceFactory surfaces;
  FacePainter painter{surfaces, FaceHooks{nullptr, &faceMeters, nullptr}};
  std::unique_ptr<FaceImage> image;
  std::optional<Pixels> pixels;
};

TEST_F(PreviewMeters, BarAtTheRightEdgeAndGraphAcrossTheFace) {
  const Size client{120, 40};
  paint(client);  // lays the graph out over the client
  std::vector<MeterReading> readings;
  for (int i = 0; i < 130; ++i) readings.push_back({10 + (i * 7) % 60, 80});
  feedMeters(clock, readings);
  paint(client);

  // The bar: 4 pixels at the right edge, 80 % of the height from the bottom.
  int barTop = 40 - 40 * 80 / 100;
  EXPECT_EQ(pixels->box(kBarGreen, {0, 0, 120, 40}), (Rect{116, barTop, 120, 40}));

  // The graph: a red pixel in every column left of the bar, within the loads fed.
  for (int x = 0; x < 116; ++x) {
    auto ink = pixels->box(kGraphRed, {x, 0, x + 1, 40});
    ASSERT_TRUE(ink.has_value()) << "column " << x;
    EXPECT_GE(ink->top, 40 - 40 * 69 / 100) << x;
    EXPECT_LE(ink->bottom, 40 - 40 * 10 / 100 + 1) << x;
  }
}

}  // namespace
}  // namespace zembrik::testing
