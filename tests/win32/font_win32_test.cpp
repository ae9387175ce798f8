#include "platform/win32/font_win32.h"

#include <gtest/gtest.h>

#include <string>

namespace zembrik::testing {
namespace {

FontRequest request(int size, int weight, bool antialiased, int dpi) {
  FontRequest r;
  r.face = "Arial";
  r.size = size;
  r.weight = weight;
  r.antialiased = antialiased;
  r.dpi = dpi;
  return r;
}

TEST(GdiFontFactory, CreatesTheFontWithTheRequestedParameters) {
  struct Case {
    FontRequest request;
    LONG height;
    BYTE quality;
  };
  const Case cases[] = {
      {request(12, 700, false, 96), -16, NONANTIALIASED_QUALITY},
      {request(10, 400, true, 144), -20, PROOF_QUALITY},
      {request(8, 700, true, 120), -13, PROOF_QUALITY},
  };
  GdiFontFactory factory;
  for (const Case& c : cases) {
    FontHandle font = factory.createFont(c.request);
    ASSERT_NE(font, 0u);
    LOGFONTA made{};
    ASSERT_EQ(GetObjectA(fontFromHandle(font), sizeof made, &made), int{sizeof made});
    EXPECT_EQ(made.lfHeight, c.height);
    EXPECT_EQ(made.lfWidth, 0);
    EXPECT_EQ(made.lfWeight, c.request.weight);
    EXPECT_EQ(made.lfQuality, c.quality);
    EXPECT_EQ(made.lfCharSet, DEFAULT_CHARSET);
    EXPECT_FALSE(made.lfItalic);
    EXPECT_EQ(std::string(made.lfFaceName), "Arial");
    factory.deleteFont(font);
    EXPECT_EQ(GetObjectType(fontFromHandle(font)), 0u) << "deleted";
  }
}

TEST(GdiFontFactory, DpiZeroTakesTheDeviceResolution) {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);

  GdiFontFactory factory;
  FontHandle font = factory.createFont(request(24, 400, true, 0));
  LOGFONTA made{};
  ASSERT_EQ(GetObjectA(fontFromHandle(font), sizeof made, &made), int{sizeof made});
  EXPECT_EQ(made.lfHeight, -(24 * dpi / 72));
  factory.deleteFont(font);
}

}  // namespace
}  // namespace zembrik::testing
