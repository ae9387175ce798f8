#include <gtest/gtest.h>

#include "tools/standin_taskbar/standin_layout.h"
#include "tools/standin_taskbar/standin_options.h"

namespace standin {
namespace {

ParsedOptions parse(std::vector<std::string_view> args) {
  return parseOptions(args);
}

TEST(StandinOptions, ParsesEveryOption) {
  auto parsed =
      parse({"--edge=left", "--thickness=50", "--secondary=-1280,0,0,40", "--secondary=0,0,10,500",
             "--no-show-desktop", "--classic", "--generation7", "--translucent",
             "--background=gradient", "--timeout=30", "--secondary-on=2,left", "--secondary-on=1"});
  ASSERT_EQ(parsed.error, "");
  const auto& o = parsed.options;
  EXPECT_EQ(o.edge, Edge::Left);
  EXPECT_EQ(o.thickness, 50);
  ASSERT_EQ(o.secondaries.size(), 2u);
  EXPECT_EQ(o.secondaries[0], (Rect{-1280, 0, 0, 40}));
  ASSERT_EQ(o.secondariesOn.size(), 2u);
  EXPECT_EQ(o.secondariesOn[0].monitor, 2);
  EXPECT_EQ(o.secondariesOn[0].edge, Edge::Left);
  EXPECT_EQ(o.secondariesOn[1].monitor, 1);
  EXPECT_EQ(o.secondariesOn[1].edge, Edge::Bottom);
  EXPECT_FALSE(o.showDesktop);
  EXPECT_TRUE(o.classic);
  EXPECT_TRUE(o.generation7);
  EXPECT_TRUE(o.translucent);
  EXPECT_EQ(o.background, Background::Gradient);
  EXPECT_EQ(o.timeoutSeconds, 30);
}

TEST(StandinOptions, DefaultsFollowTheOrientation) {
  auto parsed = parse({});
  EXPECT_EQ(effectiveThickness(parsed.options), 40);
  EXPECT_TRUE(parsed.options.showDesktop);
  EXPECT_EQ(effectiveThickness(parse({"--edge=right"}).options), 62);
  EXPECT_EQ(effectiveThickness(parse({"--edge=top", "--thickness=30"}).options), 30);
}

TEST(StandinOptions, RejectsMalformedArguments) {
  for (std::string_view bad :
       {"--edge=middle", "--edge", "--thickness=0", "--thickness=12px",
        "--thickness=", "--secondary=0,0,10", "--secondary=0,0,10,20,30", "--secondary=10,0,0,20",
        "--secondary=0,0,10,40000", "--secondary=,,,", "--background=plaid", "--timeout=-1",
        "--classic=1", "--bogus", "bottom", "--secondary-on", "--secondary-on=-1",
        "--secondary-on=1,middle", "--secondary-on=1,"}) {
    SCOPED_TRACE(bad);
    EXPECT_NE(parse({bad}).error, "");
  }
}

TEST(StandinLayout, TaskbarSitsOnTheRequestedEdge) {
  Rect monitor{0, 0, 1280, 800};
  EXPECT_EQ(taskbarRect(monitor, Edge::Bottom, 40), (Rect{0, 760, 1280, 800}));
  EXPECT_EQ(taskbarRect(monitor, Edge::Top, 40), (Rect{0, 0, 1280, 40}));
  EXPECT_EQ(taskbarRect(monitor, Edge::Left, 62), (Rect{0, 0, 62, 800}));
  EXPECT_EQ(taskbarRect(monitor, Edge::Right, 62), (Rect{1218, 0, 1280, 800}));
}

TEST(StandinLayout, SizesTravelAsMakelong) {
  EXPECT_EQ(packSize({75, 40}), 0x0028004Bu);
  EXPECT_EQ(unpackSize(0x0028004Bu), (Size{75, 40}));
  EXPECT_EQ(packSize({-5, 70000}), 0xFFFF0000u);  // clamped, never wrapped
  EXPECT_EQ(packPoint(-1280, 5), 0x0005FB00u);
}

TEST(StandinLayout, ClockGetsItsAnswerAndTheBandTheRest) {
  struct Case {
    bool vertical;
    Size client;
    Size clock;
    bool showDesktop;
    int pager;  // a notification icon more while the shell lays itself out
  };
  constexpr int kThreeIcons = kPagerLength + kTrayIconLength;
  for (const Case& c : {Case{false, {1280, 40}, {75, 40}, true, kPagerLength},
                        Case{true, {62, 800}, {62, 44}, true, kPagerLength},
                        Case{false, {1280, 40}, {0, 0}, false, kPagerLength},
                        Case{true, {62, 800}, {62, 30}, false, kPagerLength},
                        Case{false, {1280, 40}, {75, 40}, true, kThreeIcons},
                        Case{true, {62, 800}, {62, 44}, false, kThreeIcons}}) {
    SCOPED_TRACE(::testing::Message() << c.vertical << " pager " << c.pager);
    int across = c.vertical ? c.client.cx : c.client.cy;
    Size notify = notifyAreaSize(c.vertical, across, c.clock, c.showDesktop, {2, 2}, c.pager);
    auto bar = layoutTaskbar(c.client, c.vertical, notify);
    EXPECT_EQ(bar.notifyArea.width(), notify.cx);
    EXPECT_EQ(bar.notifyArea.height(), notify.cy);
    EXPECT_EQ(c.vertical ? bar.band.bottom : bar.band.right,
              c.vertical ? bar.notifyArea.top : bar.notifyArea.left);
    EXPECT_EQ(c.vertical ? bar.notifyArea.bottom : bar.notifyArea.right,
              c.vertical ? c.client.cy : c.client.cx);

    Size inner{notify.cx - 2, notify.cy - 2};
    auto area = layoutNotifyArea(inner, c.vertical, c.clock, c.showDesktop, c.pager);
    EXPECT_EQ(c.vertical ? area.clock.height() : area.clock.width(),
              c.vertical ? c.clock.cy : c.clock.cx);
    EXPECT_EQ(c.vertical ? area.clock.top : area.clock.left, c.pager);
    // Everything fits the notification area exactly, so the orientation test sees the pager.
    int end = c.showDesktop ? (c.vertical ? area.showDesktop.bottom : area.showDesktop.right)
                            : (c.vertical ? area.clock.bottom : area.clock.right);
    EXPECT_EQ(end, c.vertical ? inner.cy : inner.cx);
  }
}

TEST(StandinLayout, OversizedAnswersAreClampedToTheBar) {
  auto bar = layoutTaskbar({300, 40}, false, {500, 40});
  EXPECT_EQ(bar.band.width(), 0);
  EXPECT_EQ(bar.notifyArea, (Rect{0, 0, 300, 40}));
  auto secondary = layoutSecondary({40, 100}, true, {40, 150});
  EXPECT_EQ(secondary.clock, (Rect{0, 0, 40, 100}));
}

TEST(StandinLayout, PopupsOpenTowardsTheScreenAndStayOnIt) {
  Rect monitor{0, 0, 1280, 800};
  // Bottom bar: above the clock, right edges aligned.
  EXPECT_EQ(placePopup({1180, 760, 1280, 800}, {300, 100}, monitor, false),
            (Rect{980, 660, 1280, 760}));
  // Top bar, clock near the left edge: below it, pushed back onto the monitor.
  EXPECT_EQ(placePopup({0, 0, 100, 40}, {300, 100}, monitor, false), (Rect{0, 40, 300, 140}));
  // Left bar: to the right, bottom edges aligned.
  EXPECT_EQ(placePopup({0, 700, 62, 750}, {300, 100}, monitor, true), (Rect{62, 650, 362, 750}));
  // Right bar on a monitor left of the primary one.
  EXPECT_EQ(placePopup({-62, 700, 0, 750}, {300, 100}, {-1280, 0, 0, 800}, true),
            (Rect{-362, 650, -62, 750}));
}

}  // namespace
}  // namespace standin
