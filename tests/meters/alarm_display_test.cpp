// The alarm display: ringing alarms, their text, dismissing, and the names from the registry.
#include <gtest/gtest.h>

#include "engine/meters/alarm_display.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "tests/meters/meter_fakes.h"

namespace zembrik {
namespace {

class AlarmDisplayTest : public ::testing::Test {
 protected:
  test::FakeAlarmNames names;
  AlarmDisplay display;
  bool repaintEveryTick = false;

  void SetUp() override {
    names.names[1] = u"tea";
    names.names[3] = u"wake up";
  }
  void on(int number) { display.alarmOn(number, names, repaintEveryTick); }
  void off(int number) { display.alarmOff(number, names, repaintEveryTick); }
};

TEST_F(AlarmDisplayTest, TextJoinsNamesInArrivalOrderAndRebuildsInNumberOrder) {
  on(3);
  EXPECT_TRUE(display.alarmActive());
  EXPECT_TRUE(repaintEveryTick);
  EXPECT_EQ(display.text(), u"wake up");
  on(1);
  EXPECT_EQ(display.text(), u"wake up\ntea");
  on(3);  // already ringing: nothing added
  EXPECT_EQ(display.text(), u"wake up\ntea");

  repaintEveryTick = false;
  off(42);  // not ringing: the text is still made again, in number order
  EXPECT_TRUE(repaintEveryTick);
  EXPECT_EQ(display.text(), u"tea\nwake up");
  off(1);
  EXPECT_EQ(display.text(), u"wake up");
  EXPECT_TRUE(display.alarmActive());
  off(3);
  EXPECT_FALSE(display.alarmActive());
  EXPECT_TRUE(display.text().empty());
  EXPECT_TRUE(display.ringing().empty());
}

TEST_F(AlarmDisplayTest, AlarmWithoutANameStillRings) {
  on(5);
  EXPECT_TRUE(display.alarmActive());
  EXPECT_TRUE(display.text().empty());
  on(1);
  EXPECT_EQ(display.text(), u"tea");  // no line feed before the first name
  off(1);
  EXPECT_TRUE(display.alarmActive());
  EXPECT_TRUE(display.text().empty());
}

TEST_F(AlarmDisplayTest, BatteryAlarmSharesTheDisplay) {
  display.checkBattery(10, 20, names, repaintEveryTick);
  on(1);
  EXPECT_EQ(display.text(), u"BATTERY LOW !!!\ntea");
  off(1);
  EXPECT_EQ(display.text(), u"BATTERY LOW !!!");
  EXPECT_TRUE(display.batteryAlarmActive());
}

TEST_F(AlarmDisplayTest, BatteryCheckBounds) {
  struct Case {
    int percent;
    int threshold;
    bool rings;
  };
  const Case cases[] = {{19, 20, true},    {20, 20, false},  {0, 1, true},  {-1, 20, false},
                        {101, 200, false}, {100, 200, true}, {5, 0, false}, {5, -3, false}};
  for (const auto& c : cases) {
    AlarmDisplay fresh;
    fresh.checkBattery(c.percent, c.threshold, names, repaintEveryTick);
    EXPECT_EQ(fresh.alarmActive(), c.rings) << c.percent << " " << c.threshold;
    EXPECT_EQ(fresh.batteryAlarmActive(), c.rings);
  }
}

TEST(RegistryAlarmNames, ReadsNameValuesOfTheAlarmsKey) {
  MemoryRegistry registry;
  auto root = registry.currentUser();
  RegistryAlarmNames names(*root);
  EXPECT_EQ(names.nameOf(7), u"");  // no alarms key at all

  auto alarms =
      root->createSubkey(u"Software\\OBR\\Zembrik\\alarms", kKeyReadWrite, KeyLifetime::Persistent)
          .key;
  writeText(*alarms, u"name_7", u"Lunch");
  writeText(*alarms, u"name_125269879", u"not this one");
  writeNumber(*alarms, u"name_8", 8);
  EXPECT_EQ(names.nameOf(7), u"Lunch");
  EXPECT_EQ(names.nameOf(8), u"");  // a number is no name
  EXPECT_EQ(names.nameOf(9), u"");

  AlarmDisplay display;
  bool repaint = false;
  display.alarmOn(kBatteryAlarmNumber, names, repaint);
  EXPECT_EQ(display.text(), u"BATTERY LOW !!!");
}

}  // namespace
}  // namespace zembrik
