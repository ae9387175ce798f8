// The alarm record's text both ways: the editor's records read back exactly, and the parser's
// tolerance of missing fields and refusal of numbers that do not fit.
#include <gtest/gtest.h>

#include "engine/alarms/alarm_record_text.h"

namespace zembrik {
namespace {

constexpr std::uint32_t kWorkingDays =
    alarmDayBit(1) | alarmDayBit(2) | alarmDayBit(3) | alarmDayBit(4) | alarmDayBit(5);

TEST(AlarmRecordText, WorkingDaysExampleReadsFieldByFieldAndIsWrittenTheSame) {
  const std::u16string text = u"073000 d20261209 W:sMTWTF c:ffffff E:60 >";
  const auto record = parseAlarmRecord(text);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->time, 73000);
  EXPECT_EQ(record->date, 20261209);
  EXPECT_EQ(record->flags, kAlarmEnabled | kAlarmWeekly | kWorkingDays);
  EXPECT_EQ(record->colour, 0xFFFFFFu);
  EXPECT_EQ(record->duration, 60);
  EXPECT_EQ(record->cellText, u"");
  EXPECT_EQ(formatAlarmRecord(*record), text);
}

// Every combination the alarm dialog can store reads back as written.
TEST(AlarmRecordText, EveryDialogChoiceRoundTrips) {
  const std::uint32_t modes[] = {0, kAlarmWeekly, kAlarmDateMode};  // no date, weekdays, date
  const std::uint32_t repeats[] = {0, kAlarmMonthly, kAlarmAnnually};
  const std::int32_t durations[] = {0, 3600, -3600};  // expiry off, on, off with seconds kept
  for (std::uint32_t mode : modes) {
    for (std::uint32_t repeat : repeats) {
      for (std::int32_t duration : durations) {
        for (std::uint32_t extra :
             {kAlarmEnabled | kWorkingDays, kAlarmCustomColour | alarmDayBit(0)}) {
          AlarmRecord record;
          record.time = 235900;
          record.date = 20280229;
          record.flags = mode | repeat | extra;
          record.duration = duration;
          record.colour = 0x0080FF;
          record.cellText = u" 12:00 > x";
          const std::u16string text = formatAlarmRecord(record);
          const auto back = parseAlarmRecord(text);
          ASSERT_TRUE(back) << std::string(text.begin(), text.end());
          EXPECT_EQ(*back, record) << std::string(text.begin(), text.end());
        }
      }
    }
  }
  AlarmRecord undated;  // a record without a date keeps having none
  undated.flags = kAlarmEnabled;
  EXPECT_EQ(formatAlarmRecord(undated), u"000000 d w: c:000000 >");
  EXPECT_EQ(parseAlarmRecord(formatAlarmRecord(undated)), undated);
}

struct ParseCase {
  const char16_t* text;
  bool scheduled;
  std::int32_t time, date;
  std::uint32_t flags, colour;
  std::int32_t duration;
  const char16_t* cellText;
};

TEST(AlarmRecordText, ParserSkipsBlanksKeepsDefaultsAndRefusesOverflow) {
  constexpr std::uint32_t on = kAlarmEnabled;
  const ParseCase cases[] = {
      // only Monday ("sM") still yields the fields after the days
      {u"073000 d20261209 W:sM c:00ff80 E:30 >cell", true, 73000, 20261209,
       on | kAlarmWeekly | alarmDayBit(1), 0x00FF80, 30, u"cell"},
      {u"  -  120000", true, 120000, -1, 0, 0, 0, u""},
      {u"073000 D 20261209 W : S C : 12 e : 45 >  x", true, 73000, 20261209,
       on | kAlarmDateMode | kAlarmWeekly | alarmDayBit(0) | kAlarmCustomColour, 0x12, -45, u"  x"},
      {u"1 M5 w:SMTWTFSS c:1", true, 1, 5, on | kAlarmDateMode | kAlarmMonthly | kAlarmDayBits, 0,
       0, u""},
      {u"1 m", true, 1, -1, on | kAlarmMonthly, 0, 0, u""},
      {u"1 y7 w:SmX c:1", true, 1, 7, on | kAlarmAnnually | alarmDayBit(0), 0, 0,
       u""},                                                                        // X ends all
      {u"1 W:S C:zz", true, 1, -1, on | kAlarmWeekly | alarmDayBit(0), 0, 0, u""},  // no hex digit
      {u"1 >", true, 1, -1, on, 0, 0, u""},
      {u"2147483647 d2147483647 c:ffffffff e:2147483647", true, 2147483647, 2147483647, on,
       0xFFFFFFFF, -2147483647, u""},
      {u"", false},
      {u" - ", false},
      {u"d20261209", false},
      {u"2147483648", false},
      {u"1 d2147483648", false},
      {u"1 c:100000000", false},
      {u"1 E:99999999999999999999", false},
  };
  for (const auto& c : cases) {
    const std::u16string text = c.text;
    SCOPED_TRACE(std::string(text.begin(), text.end()));
    const auto record = parseAlarmRecord(text);
    ASSERT_EQ(record.has_value(), c.scheduled);
    if (!record)
      continue;
    EXPECT_EQ(record->time, c.time);
    EXPECT_EQ(record->date, c.date);
    EXPECT_EQ(record->flags, c.flags);
    EXPECT_EQ(record->colour, c.colour);
    EXPECT_EQ(record->duration, c.duration);
    EXPECT_EQ(record->cellText, c.cellText);
  }
}

TEST(AlarmRecordText, NumberOfValueName) {
  const std::pair<const char16_t*, std::int32_t> cases[] = {
      {u"alarm_12", 12},         {u"alarm_007x", 7},
      {u"alarm_", -1},           {u"alarm_x5", -1},
      {u"alarm_-5", -1},         {u"alarm_2147483647", 2147483647},
      {u"alarm_2147483648", -1}, {u"alarm_99999999999999999999999", -1},
  };
  for (const auto& [name, number] : cases) EXPECT_EQ(alarmNumberOf(name), number);
}

}  // namespace
}  // namespace zembrik
