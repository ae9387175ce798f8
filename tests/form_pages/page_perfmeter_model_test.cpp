// The PerfMeter page: reading meter texts as the clock does, rebuilding them, ranges, mains mode.
#include <gtest/gtest.h>

#include "engine/options/page_perfmeter_model.h"
#include "engine/registry/registry_access.h"
#include "tests/form_pages/form_page_fakes.h"

namespace zembrik {
namespace {

using testing::FakePageServices;
using testing::narrow;
using testing::valuesOf;
using Values = std::map<std::string, std::string>;

TEST(PerfMeterPage, FreshSetShowsDefaultsAndTheFirstCheckWritesTheWholeText) {
  FakePageServices fake;
  PerfMeterPageModel page(fake);
  page.setShown(Meter::Cpu, true);  // before the set was read: ignored
  page.loadClockSet();
  EXPECT_EQ(fake.registry.valueWrites(), 0u);
  const auto& s = page.state();
  EXPECT_EQ(s.meters[1], (MeterState{false, 3, 0x00FF00, 0x00FF00, 2, 0}));
  EXPECT_EQ(s.meters[2], (MeterState{false, 3, 0x00FFFF, 0x0000FF, 2, 0}));
  EXPECT_EQ(colourText(s.graphs[0].colour), u"0xff0000");
  EXPECT_EQ(s.mains, (MainsBoxes{false, true}));

  page.setShown(Meter::Cpu, true);
  // Into the set's own key, never into the key that was read for it.
  EXPECT_EQ(valuesOf(*fake.ownSet), (Values{{"cpuLoad", "sz:D65280,2,0"}}));
  EXPECT_TRUE(valuesOf(*fake.readSet).empty());
  EXPECT_EQ(fake.reloads, std::vector{NotifyScope::SelectedClock});
}

TEST(PerfMeterPage, StoredTextsReadAsTheClockReadsThem) {
  struct Case {
    Meter meter;
    std::u16string_view stored;
    MeterState shown;
    std::u16string_view rewritten;  // after the next change that keeps the state
  };
  const Case cases[] = {
      {Meter::Memory, u"l255,3,-1", {false, 0, 255, 255, 3, -1}, u"l255,3,-1"},
      {Meter::Memory, u"R0,0,4", {true, 3, 0xFF0000, 0xFF0000, 2, 0}, u"D16711680,2,0"},
      {Meter::Cpu, u"x1,2,3", {false, 3, 0x00FF00, 0x00FF00, 2, 0}, u"d65280,2,0"},
      {Meter::Battery, u"U12,5,-2", {true, 2, 12, 12, 5, -2}, u"U12/12,5,-2"},
      {Meter::Battery, u"x1,2,3", {false, 0, 0, 0, 0, 0}, u"l0/0,0,0"},
  };
  for (const auto& c : cases) {
    const MeterState state = meterStateFromStored(c.meter, std::u16string(c.stored));
    EXPECT_EQ(state, c.shown) << narrow(c.stored);
    EXPECT_EQ(meterText(c.meter, state), c.rewritten) << narrow(c.stored);
  }
}

TEST(PerfMeterPage, SwitchedOffMeterKeepsItsValuesWhenCheckedAgain) {
  FakePageServices fake;
  writeText(*fake.readSet, u"memLoad", u"l255,3,-1");
  writeText(*fake.readSet, u"btrGraf", u"g7");
  PerfMeterPageModel page(fake);
  page.loadClockSet();
  EXPECT_EQ(colourText(page.state().meters[0].colour), u"0x0000ff");
  page.setShown(Meter::Memory, true);
  page.setGraphShown(Meter::Battery, true);
  EXPECT_EQ(valuesOf(*fake.ownSet), (Values{{"memLoad", "sz:L255,3,-1"}, {"btrGraf", "sz:G7/7"}}));
}

TEST(PerfMeterPage, OutOfRangeNumbersWriteNothing) {
  FakePageServices fake;
  PerfMeterPageModel page(fake);
  page.loadClockSet();
  page.setSize(Meter::Memory, 100);
  page.setSpace(Meter::Cpu, -128);
  page.setBatteryAlarm(101);
  page.setPosition(Meter::Battery, 4);
  EXPECT_EQ(fake.registry.valueWrites(), 0u);
  EXPECT_TRUE(fake.reloads.empty());

  page.setSize(Meter::Memory, 99);
  page.setSpace(Meter::Cpu, -127);
  page.setBatteryAlarm(20);
  EXPECT_EQ(valuesOf(*fake.ownSet),
            (Values{{"memLoad", "sz:d16711680,99,0"}, {"cpuLoad", "sz:d65280,2,-127"}}));
  EXPECT_EQ(readNumber(*fake.settings, u"btrAlarm"), 20u);
}

TEST(PerfMeterPage, MainsBoxesReadAndWrite) {
  struct Case {
    std::optional<std::u16string> stored;
    MainsBoxes boxes;
  };
  const Case cases[] = {
      {std::nullopt, {false, true}}, {u"", {false, true}}, {u"A", {false, false}},
      {u"C", {false, true}},         {u" ", {true, true}}, {u"x", {true, true}},
  };
  for (const auto& c : cases) EXPECT_EQ(mainsBoxesFromStored(c.stored), c.boxes);
  EXPECT_FALSE(mainsBoxesFromStored(u" ").onlyWhileChargingEnabled());

  FakePageServices fake;
  PerfMeterPageModel page(fake);
  page.loadClockSet();
  page.setMainsBoxes(false, false);
  EXPECT_EQ(readText(*fake.ownSet, u"btrOnAC"), u"A");
  page.setMainsBoxes(true, false);
  EXPECT_EQ(readText(*fake.ownSet, u"btrOnAC"), u" ");
  page.setMainsBoxes(false, true);
  EXPECT_EQ(readText(*fake.ownSet, u"btrOnAC"), u"C");
}

TEST(PerfMeterPage, BatteryColoursAreWrittenTogether) {
  FakePageServices fake;
  writeText(*fake.readSet, u"btrLoad", u"D255,4,1");
  PerfMeterPageModel page(fake);
  page.loadClockSet();
  EXPECT_EQ(page.state().meters[2].chargeColour, 255u);
  page.setChargeColour(0x00FF00);
  page.setGraphChargeColour(1);
  EXPECT_EQ(valuesOf(*fake.ownSet),
            (Values{{"btrLoad", "sz:D255/65280,4,1"}, {"btrGraf", "sz:g65535/1"}}));
}

}  // namespace
}  // namespace zembrik
