// The Alarms page's model: the table's texts, loading, the order, and what each change stores,
// read back through the host's own loader.
#include <gtest/gtest.h>

#include <string>

#include "engine/alarms/alarm_loading.h"
#include "engine/alarms/alarm_record_text.h"
#include "engine/options/alarms_page_model.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "tests/alarms/alarm_test_clock.h"
#include "tests/support/registry_decorators.h"

namespace zembrik {
namespace {

using test::localTime;

std::string narrow(std::u16string_view text) {
  return std::string(text.begin(), text.end());
}

struct AlarmsWorld {
  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> root =
      registry.currentUser()
          ->createSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite, KeyLifetime::Persistent)
          .key;
  int reloads = 0;
  AlarmsPageModel model{*root, [this] { ++reloads; }};

  RegistryKey& alarms() {
    if (!alarmsKey)
      alarmsKey = root->createSubkey(u"alarms", kKeyReadWrite, KeyLifetime::Persistent).key;
    return *alarmsKey;
  }
  std::optional<std::u16string> stored(std::u16string_view name) {
    return readText(alarms(), name);
  }
  std::vector<std::string> column(int column, const CalendarTime& now) {
    std::vector<std::string> texts;
    for (std::size_t row = 0; row < model.rows(); ++row)
      texts.push_back(narrow(model.rowTexts(row, now)[column]));
    return texts;
  }
  std::unique_ptr<RegistryKey> alarmsKey;
};

AlarmDetails details(const char16_t* name, int hour, int minute,
                     AlarmDateMode mode = AlarmDateMode::NoDate) {
  AlarmDetails d = newAlarmDetails(localTime("2026-12-09 08:00:00"));
  d.name = name;
  d.hour = hour;
  d.minute = minute;
  d.mode = mode;
  return d;
}

TEST(AlarmRows, TimeToAlarmAndExpiryTexts) {
  const std::pair<std::uint64_t, const char*> untilAlarm[] = {
      {45, "in 45 sec"},
      {59, "in 59 sec"},
      {60, "in 00 hours and 01 min."},
      {90 * 60, "in 01 hours and 30 min."},
      {26 * 3600, "in 1 day, 02 hours and 00 min."},
      {50 * 3600, "in 2 days, 02 hours and 00 min."},
      {86400 - 10, "in 24 hours and 00 min."},  // rounded to the minute, not yet a day
  };
  for (const auto& [seconds, text] : untilAlarm)
    EXPECT_EQ(narrow(timeToAlarmText(seconds)), text) << seconds;

  const std::pair<std::int32_t, const char*> expiries[] = {
      {3600, "in 1 hour"},
      {7200, "in 2 hours"},
      {90, "in 90 seconds"},
      {120, "in 2 minutes"},
      {60, "in 1 minute"},
      {1, "in 1 second"},
      {0, ""},
      {-3600, ""},
  };
  for (const auto& [duration, text] : expiries)
    EXPECT_EQ(narrow(expiresText(duration)), text) << duration;
}

TEST(AlarmRows, TimestampAndRepeatFollowTheMode) {
  struct Case {
    std::uint32_t flags;
    std::int32_t date;
    const char* timestamp;
    const char* repeat;
  };
  const std::uint32_t weekend = alarmDayBit(0) | alarmDayBit(6);
  const Case cases[] = {
      {kAlarmDateMode, 20270430, "2027-Apr-30 07:05", "-"},
      {kAlarmDateMode | kAlarmMonthly, 20271331,
       "2027-??"
       "?-31 07:05",
       "monthly"},
      {kAlarmDateMode | kAlarmAnnually, 20271431, "2027-Jan-31 07:05", "annually"},
      {kAlarmDateMode | kAlarmAnnually, -1, "07:05", "-"},  // no date: no date shown
      {kAlarmAnnually, 20270430, "07:05", "-"},             // not in date mode
      {kAlarmWeekly | weekend | alarmDayBit(3), 20270430, "07:05", "Su, We, Sa"},
      {kAlarmWeekly, 20270430, "07:05", ""},
  };
  for (const Case& c : cases) {
    AlarmRecord alarm;
    alarm.time = 70500;
    alarm.flags = c.flags;
    alarm.date = c.date;
    EXPECT_EQ(narrow(alarmTimestampText(alarm)), c.timestamp) << c.date;
    EXPECT_EQ(narrow(alarmRepeatText(alarm)), c.repeat) << c.flags;
  }
}

TEST(AlarmsPage, LoadingMatchesNamesToRecordsAndSkipsForeignValues) {
  AlarmsWorld world;
  auto& key = world.alarms();
  writeText(key, u"name_7", u"Tea");
  writeText(key, u"alarm_7", u"153000 d20261209 w: c:000000 >");
  writeText(key, u"name_3", u"only a name");
  writeText(key, u"name_", u"no digits");
  writeText(key, u"alarm_-2", u"120000 d20261209 w: c:000000 >");
  writeText(key, u"alarm_4294967297", u"120000 d20261209 w: c:000000 >");  // beyond 32 bits
  writeText(key, u"other", u"120000 d20261209 w: c:000000 >");
  writeNumber(key, u"alarm_9", 5);  // not a text
  const auto now = localTime("2026-12-09 15:00:00");
  world.model.load(now);

  ASSERT_EQ(world.model.rows(), 2u);
  EXPECT_EQ(world.column(2, now), (std::vector<std::string>{"Tea", "only a name"}));
  EXPECT_EQ(world.column(3, now), (std::vector<std::string>{"15:30", "--:--"}));
  EXPECT_EQ(world.column(5, now), (std::vector<std::string>{"in 00 hours and 30 min.", "-"}));
}

// Seconds to the next ringing first (never last, shown "-" and as disabled), then enabled
// before disabled, then the name.
TEST(AlarmsPage, SortsByNextRingingWithPastOnceOnlyAlarmsLast) {
  AlarmsWorld world;
  auto& key = world.alarms();
  writeText(key, u"name_1", u"past once");
  writeText(key, u"alarm_1", u"080000 D20261201 w: c:000000 >");
  writeText(key, u"name_2", u"b later");
  writeText(key, u"alarm_2", u"-100000 d20261209 w: c:000000 >");  // disabled, same time
  writeText(key, u"name_3", u"a later");
  writeText(key, u"alarm_3", u"100000 d20261209 w: c:000000 >");
  writeText(key, u"name_4", u"soon");
  writeText(key, u"alarm_4", u"090000 d20261209 w: c:000000 >");
  const auto now = localTime("2026-12-09 08:59:15");
  world.model.load(now);

  EXPECT_EQ(world.column(2, now),
            (std::vector<std::string>{"soon", "a later", "b later", "past once"}));
  EXPECT_EQ(world.column(1, now), (std::vector<std::string>{"+", "+", "", ""}));
  EXPECT_EQ(world.column(5, now),
            (std::vector<std::string>{"in 45 sec", "in 01 hours and 01 min.", "-", "-"}));
  // Shown disabled in memory only: the stored record still says enabled.
  EXPECT_EQ(world.stored(u"alarm_1"), u"080000 D20261201 w: c:000000 >");
}

TEST(AlarmsPage, UndatedAlarmGetsTodayOrTomorrowAndMovesWhenSwitchedBackOn) {
  AlarmsWorld world;
  const auto morning = localTime("2026-12-09 08:00:00");
  world.model.load(morning);
  ASSERT_TRUE(world.model.add(details(u"later today", 9, 0), morning));
  ASSERT_TRUE(world.model.add(details(u"already past", 7, 0), morning));
  EXPECT_EQ(world.stored(u"alarm_1"), u"090000 d20261209 w:sMTWTF c:ffffff >");
  EXPECT_EQ(world.stored(u"alarm_2"), u"070000 d20261210 w:sMTWTF c:ffffff >");

  // Off on the 9th, on again on the 12th after 09:00: its next ringing is on the 13th.
  world.model.select(0);
  ASSERT_EQ(narrow(world.model.alarmInRow(0).name), "later today");
  EXPECT_EQ(world.model.switchButtonText(), u"disable");
  ASSERT_TRUE(world.model.switchSelected(morning));
  EXPECT_EQ(world.stored(u"alarm_1")->substr(0, 1), u"-");
  EXPECT_EQ(world.model.switchButtonText(), u"enable");
  ASSERT_TRUE(world.model.switchSelected(localTime("2026-12-12 10:00:00")));
  EXPECT_EQ(parseAlarmRecord(*world.stored(u"alarm_1"))->date, 20261213);
  EXPECT_TRUE(parseAlarmRecord(*world.stored(u"alarm_1"))->enabled());
  EXPECT_EQ(world.reloads, 4);
}

TEST(AlarmsPage, NewNumbersFollowTheLargestRemainingAndNeverOverflow) {
  AlarmsWorld world;
  const auto now = localTime("2026-12-09 08:00:00");
  world.model.load(now);
  for (const char16_t* name : {u"one", u"two", u"three"})
    ASSERT_TRUE(world.model.add(details(name, 9, 0), now));
  // All at 09:00 and enabled: by name, "one", "three", "two"; delete "three" (number 3).
  ASSERT_EQ(narrow(world.model.alarmInRow(1).name), "three");
  ASSERT_TRUE(world.model.remove(1));
  EXPECT_FALSE(world.stored(u"alarm_3"));
  EXPECT_FALSE(world.stored(u"name_3"));
  ASSERT_TRUE(world.model.add(details(u"four", 9, 0), now));
  EXPECT_EQ(world.stored(u"name_3"), u"four");

  EXPECT_EQ(newAlarmNumber({}), 1);
  EXPECT_EQ(newAlarmNumber({0}), 1);
  EXPECT_EQ(newAlarmNumber({5, 2}), 6);
  EXPECT_EQ(newAlarmNumber({1, 2, 2147483647, 4}), 3);
}

// Every kind of alarm the dialog can make is stored so that the host's loader reads back the
// same record, and the dialog opened on it shows the same values.
TEST(AlarmsPage, StoredRecordsReadBackThroughTheHostLoaderFieldForField) {
  AlarmsWorld world;
  const auto now = localTime("2026-12-09 08:00:00");
  world.model.load(now);
  std::vector<AlarmDetails> made;
  for (auto mode : {AlarmDateMode::NoDate, AlarmDateMode::Weekdays, AlarmDateMode::Date}) {
    for (auto repeat : {AlarmRepeat::No, AlarmRepeat::Monthly, AlarmRepeat::Annually}) {
      AlarmDetails d = details(u"x", 23, 59, mode);
      d.name = u"alarm " + std::u16string(1, static_cast<char16_t>(u'a' + made.size()));
      d.repeat = repeat;
      d.year = 2027;
      d.month = 2;
      d.day = 28;
      d.expires = made.size() % 2 == 0;
      d.seconds = 90;
      d.customColour = true;
      d.colour = 0x123456;
      d.cellText = u"12:00 > x";
      d.days = {true, false, false, true, false, false, true};
      ASSERT_TRUE(world.model.add(d, now));
      made.push_back(d);
    }
  }
  const auto loaded = readAlarmRecords(*world.root);
  ASSERT_EQ(loaded.size(), made.size());
  for (std::size_t row = 0; row < world.model.rows(); ++row) {
    const PageAlarm& alarm = world.model.alarmInRow(row);
    const auto host = std::find_if(loaded.begin(), loaded.end(), [&](const AlarmRecord& r) {
      return r.number == alarm.record.number;
    });
    ASSERT_NE(host, loaded.end());
    EXPECT_EQ(*host, alarm.record) << narrow(alarm.name);
    const AlarmDetails back = world.model.detailsOfRow(row, now);
    const auto original = std::find_if(made.begin(), made.end(),
                                       [&](const AlarmDetails& d) { return d.name == alarm.name; });
    AlarmDetails expected = *original;
    if (expected.mode != AlarmDateMode::Date) {  // the dialog then shows today's date
      expected.year = now.year;
      expected.month = now.month;
      expected.day = now.day;
    }
    EXPECT_EQ(back, expected) << narrow(alarm.name);
  }
}

TEST(AlarmDetailsDialog, RefusesOutOfRangeValuesAndDatesThatNeverOccur) {
  struct Case {
    AlarmDateMode mode;
    AlarmRepeat repeat;
    int day, month, year, hour;
    const char* refusal;  // empty: accepted
  };
  const Case cases[] = {
      {AlarmDateMode::Date, AlarmRepeat::No, 31, 4, 2027, 7, "There is no 31 April 2027."},
      {AlarmDateMode::Date, AlarmRepeat::No, 29, 2, 2027, 7, "There is no 29 February 2027."},
      {AlarmDateMode::Date, AlarmRepeat::No, 29, 2, 2028, 7, ""},
      {AlarmDateMode::Date, AlarmRepeat::Annually, 29, 2, 2027, 7, ""},
      {AlarmDateMode::Date, AlarmRepeat::Annually, 30, 2, 2028, 7,
       "There is no 30 February in any year."},
      {AlarmDateMode::Date, AlarmRepeat::Monthly, 31, 2, 2027, 7, ""},  // rings on the last day
      {AlarmDateMode::Weekdays, AlarmRepeat::No, 31, 4, 2027, 7, ""},   // the date is unused
      {AlarmDateMode::Date, AlarmRepeat::No, 1, 1, 2101, 7,
       "Please enter an integer between 2010 and 2100."},
      {AlarmDateMode::NoDate, AlarmRepeat::No, 1, 1, 2027, 24,
       "Please enter an integer between 0 and 23."},
  };
  for (const Case& c : cases) {
    AlarmDetails d = details(u"", c.hour, 0, c.mode);
    d.repeat = c.repeat;
    d.day = c.day;
    d.month = c.month;
    d.year = c.year;
    const auto refusal = refusalOf(d);
    const std::string text = refusal ? narrow(*refusal) : "";
    EXPECT_EQ(text.substr(0, text.find('\n')), c.refusal) << c.day << "." << c.month;
  }
}

TEST(AlarmDetailsDialog, EnablingRuleAndDefaultExpiry) {
  AlarmDetails d = newAlarmDetails(localTime("2026-12-09 08:07:00"));
  EXPECT_EQ(d.hour, 8);
  EXPECT_EQ(d.minute, 7);
  const auto noDate = applyEnablingRule(d);
  EXPECT_EQ(d.seconds, kDefaultExpirySeconds);
  EXPECT_FALSE(noDate.days || noDate.dateAndRepeat || noDate.seconds);
  d.mode = AlarmDateMode::Weekdays;
  d.expires = true;
  const auto weekly = applyEnablingRule(d);
  EXPECT_TRUE(weekly.days && weekly.seconds && !weekly.dateAndRepeat);
  d.mode = AlarmDateMode::Date;
  EXPECT_TRUE(applyEnablingRule(d).dateAndRepeat);
}

// A key whose `alarm_N` writes and deletes fail, as a key without write access would.
class RefusingRecordsKey final : public testing::ForwardingKey {
 public:
  using ForwardingKey::ForwardingKey;
  RegStatus setValue(std::u16string_view name, RegType type,
                     std::span<const std::uint8_t> data) override {
    if (name.starts_with(u"alarm_"))
      return RegStatus::AccessDenied;
    return ForwardingKey::setValue(name, type, data);
  }
  RegStatus deleteValue(std::u16string_view name) override {
    if (name.starts_with(u"alarm_"))
      return RegStatus::AccessDenied;
    return ForwardingKey::deleteValue(name);
  }

 protected:
  std::unique_ptr<RegistryKey> wrap(std::unique_ptr<RegistryKey> key) override {
    return std::make_unique<RefusingRecordsKey>(std::move(key));
  }
};

TEST(AlarmsPage, RefusedWritesLeaveNoHalfAlarmAndTheTableAsStored) {
  AlarmsWorld world;
  writeText(world.alarms(), u"name_1", u"kept");
  writeText(world.alarms(), u"alarm_1", u"090000 d20261209 w: c:000000 >");
  RefusingRecordsKey refusing(
      world.registry.currentUser()->openSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite).key);
  int reloads = 0;
  AlarmsPageModel model(refusing, [&] { ++reloads; });
  const auto now = localTime("2026-12-09 08:00:00");
  model.load(now);

  EXPECT_FALSE(model.add(details(u"new", 10, 0), now));
  EXPECT_FALSE(world.stored(u"name_2"));  // the name written first was taken back
  EXPECT_FALSE(model.edit(0, details(u"renamed", 10, 0), now));
  EXPECT_EQ(world.stored(u"name_1"), u"kept");
  EXPECT_FALSE(model.remove(0));
  ASSERT_EQ(model.rows(), 1u);
  EXPECT_EQ(narrow(model.alarmInRow(0).name), "kept");
  EXPECT_EQ(narrow(model.rowTexts(0, now)[3]), "09:00");
  EXPECT_EQ(reloads, 0);
  EXPECT_EQ(narrow(alarmsRegistryError()),
            "Error can't open registry: Software\\OBR\\Zembrik\\alarms");
}

}  // namespace
}  // namespace zembrik
