// The scheduler on a fake clock: starts and stops at the right second, repeats, alarms that are
// over leave the list, reloads turn off what is gone and keep what still rings, and the records
// the host reads from the registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/alarms/alarm_loading.h"
#include "engine/alarms/alarm_record_text.h"
#include "engine/meters/alarm_display.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "tests/alarms/alarm_test_clock.h"

namespace zembrik {
namespace {

class RecordedSignals final : public AlarmSignals {
 public:
  void alarmOn(std::int32_t number) override {
    log.push_back(stamp() + "on " + std::to_string(number));
  }
  void alarmOff(std::int32_t number) override {
    log.push_back(stamp() + "off " + std::to_string(number));
  }
  std::int64_t second = 0;
  std::vector<std::string> log;

 private:
  std::string stamp() const { return std::to_string(second) + ": "; }
};

using Log = std::vector<std::string>;

AlarmRecord record(const char16_t* text, std::int32_t number) {
  auto parsed = parseAlarmRecord(text);
  EXPECT_TRUE(parsed);
  parsed->number = number;
  return *parsed;
}

class AlarmScheduleTest : public ::testing::Test {
 protected:
  // Loaded at 07:29:57 on Wednesday 2026-12-09, with the tick count 1.5 s before it wraps.
  test::FakeAlarmTime time{"2026-12-09 07:29:57", 0xFFFFFFFFu - 1500};
  RecordedSignals signals;
  AlarmSchedule schedule;

  void load(std::vector<AlarmRecord> records) {
    schedule.schedule(std::move(records), time, signals);
  }
  // One check per second for `seconds` seconds.
  void run(std::int64_t seconds) {
    for (std::int64_t i = 0; i < seconds; ++i) {
      time.advance(1);
      ++signals.second;
      schedule.check(time, signals);
    }
  }
};

TEST_F(AlarmScheduleTest, WeeklyAlarmStartsStopsAndStartsAgainNextWeek) {
  load({record(u"073000 d W:smtW E:60 >", 4)});
  run(3 + 60 + 7 * 86400);
  EXPECT_EQ(signals.log, (Log{"3: on 4", "63: off 4", "604803: on 4", "604863: off 4"}));
}

TEST_F(AlarmScheduleTest, OnceOnlyAlarmsRingOnceAndLeave) {
  load({record(u"073000 D20261209 E:5", 1), record(u"072956 D20261209", 2),
        record(u"072957 D20261209 E:2", 3)});  // 1 s ago, never; this very second: next tick
  EXPECT_EQ(schedule.alarms().size(), 2u);
  run(10);
  EXPECT_EQ(signals.log, (Log{"1: on 3", "2: off 3", "3: on 1", "8: off 1"}));
  EXPECT_TRUE(schedule.alarms().empty());
}

TEST_F(AlarmScheduleTest, DueAtTheStartOfItsLocalSecond) {
  time.advanceMs(700);
  load({record(u"073000 D20261209", 1)});
  time.advanceMs(2500);  // 07:30:00.200
  schedule.check(time, signals);
  EXPECT_EQ(signals.log, (Log{"0: on 1"}));
}

TEST_F(AlarmScheduleTest, LowerCaseDurationRingsWithoutEnd) {
  load({record(u"073000 d W:SMTWTFS e:3", 9)});
  run(86400 + 10);
  EXPECT_EQ(signals.log, (Log{"3: on 9", "86403: on 9"}));
  EXPECT_TRUE(schedule.alarms().front().ringing);
}

TEST_F(AlarmScheduleTest, UnnumberedAndBatteryNumberedAlarmsRingSilently) {
  load({record(u"073000 D20261209 E:2", kNoAlarmNumber),
        record(u"073000 W:SMTWTFS E:2", kBatteryAlarmNumber)});
  run(10);
  EXPECT_TRUE(signals.log.empty());
  ASSERT_EQ(schedule.alarms().size(), 1u) << "the once-only one left after ringing";
  EXPECT_EQ(schedule.alarms().front().record.number, kBatteryAlarmNumber);
}

TEST_F(AlarmScheduleTest, ReloadTurnsOffWhatIsGoneAndKeepsTheRestOfTheRinging) {
  const auto weekly = record(u"073000 W:SMTWTFS E:60", 1);
  const auto once = record(u"073000 D20261209 E:60", 2);
  const auto endless = record(u"073000 D20261209 e:60", 3);
  const auto gone = record(u"073000 D20261209 E:60", 4);
  load({weekly, once, endless, gone});
  run(13);  // all ring since second 3
  signals.log.clear();
  load({weekly, once, endless});  // the uptime starts afresh
  EXPECT_EQ(signals.log, (Log{"13: off 4"}));
  run(50 - 1);
  EXPECT_EQ(signals.log, (Log{"13: off 4"})) << "the rest of the ringing time is kept";
  run(1);
  EXPECT_EQ(signals.log, (Log{"13: off 4", "63: off 2", "63: off 1"}));
  EXPECT_EQ(schedule.alarms().size(), 2u) << "the once-only alarm left when its ringing ended";
  load({});
  EXPECT_EQ(signals.log.back(), "63: off 3") << "an alarm without end is turned off when deleted";
}

TEST(UptimeSeconds, KeepRisingAcrossTheTickCountsWrap) {
  UptimeSeconds uptime;
  uptime.reset(0xFFFFFFFFu - 999);  // one second before the wrap
  const std::pair<std::uint32_t, std::int32_t> ticks[] = {
      {0xFFFFFFFFu, 0}, {0, 1}, {999, 1}, {1000, 2}, {0xFFFFFFFFu - 999, 4294967}, {5, 4294968}};
  for (const auto& [tick, second] : ticks) EXPECT_EQ(uptime.at(tick), second) << tick;
  uptime.reset(100, 700);  // 0.7 s into the local second, shortly after the system started
  EXPECT_EQ(uptime.at(399), 0);
  EXPECT_EQ(uptime.at(400), 1);
}

TEST(AlarmLoading, ReadsOnlyEnabledTextRecordsNamedAlarmAndWritesNothing) {
  MemoryRegistry registry;
  auto root = registry.currentUser()->createSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite,
                                                   KeyLifetime::Persistent);
  auto readOnly = registry.currentUser()->openSubkey(u"Software\\OBR\\Zembrik", kKeyRead);
  EXPECT_TRUE(readAlarmRecords(*readOnly.key).empty());
  EXPECT_FALSE(root.key->openSubkey(u"alarms", kKeyRead)) << "not created without the right";
  EXPECT_TRUE(readAlarmRecords(*root.key).empty());
  auto alarms = root.key->openSubkey(u"alarms", kKeyReadWrite);
  ASSERT_TRUE(alarms) << "created empty when missing";

  const std::u16string valid = u"073000 d W:SMTWTFS";
  writeText(*alarms.key, u"alarm_1", valid);
  writeText(*alarms.key, u"name_1", valid);
  writeText(*alarms.key, u"foreign", valid);
  writeNumber(*alarms.key, u"alarm_2", 73000);
  writeText(*alarms.key, u"alarm_3", u"-073000 d W:SMTWTFS");
  writeText(*alarms.key, u"Alarm_4", valid);
  writeText(*alarms.key, u"alarm_" + std::u16string(1100, u'5'), valid);
  writeText(*alarms.key, u"alarm_6", u"x073000");
  writeText(*alarms.key, u"alarm_7", u"99999999999 d W:SMTWTFS");
  writeText(*alarms.key, u"alarm_8", valid);
  writeText(*alarms.key, u"alarm_", valid);
  writeText(*alarms.key, u"alarm_99999999999", valid);
  const auto writes = registry.valueWrites();

  std::vector<std::int32_t> numbers;
  for (const auto& alarm : readAlarmRecords(*root.key)) numbers.push_back(alarm.number);
  EXPECT_EQ(numbers, (std::vector<std::int32_t>{-1, -1, 8, 1})) << "last value first";
  EXPECT_EQ(registry.valueWrites(), writes);
}

}  // namespace
}  // namespace zembrik
