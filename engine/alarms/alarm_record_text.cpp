#include "engine/alarms/alarm_record_text.h"

#include <cstdio>
#include <limits>

namespace zembrik {

namespace {

constexpr std::u16string_view kDayLetters = u"SMTWTFS";

std::u16string ascii(const char* text) {
  std::u16string result;
  for (; *text; ++text) result.push_back(static_cast<char16_t>(*text));
  return result;
}

char16_t lower(char16_t letter) {
  return static_cast<char16_t>(letter - u'A' + u'a');
}

// The record's text is read left to right; no read goes past its end.
class RecordCursor {
 public:
  explicit RecordCursor(std::u16string_view text) noexcept : text_(text) {}

  char16_t peek() const noexcept { return pos_ < text_.size() ? text_[pos_] : u'\0'; }
  void advance() noexcept {
    if (pos_ < text_.size())
      ++pos_;
  }
  void skipBlanks() noexcept {
    while (peek() == u' ') advance();
  }
  std::u16string_view rest() const noexcept { return text_.substr(pos_); }

  // Blanks, an optional ":", blanks: what follows a field letter.
  void skipSeparator() noexcept {
    skipBlanks();
    if (peek() == u':')
      advance();
    skipBlanks();
  }

  // Digits in `base` into `value` (0 without digits). False when the number exceeds `limit`;
  // the remaining digits are still consumed.
  bool readNumber(unsigned base, std::uint64_t limit, std::uint64_t& value, bool& anyDigit) {
    value = 0;
    anyDigit = false;
    bool fits = true;
    for (int digit = digitOf(peek(), base); digit >= 0; digit = digitOf(peek(), base)) {
      anyDigit = true;
      if (fits) {
        value = value * base + static_cast<unsigned>(digit);
        fits = value <= limit;
      }
      advance();
    }
    return fits;
  }

 private:
  static int digitOf(char16_t c, unsigned base) {
    if (c >= u'0' && c <= u'9')
      return c - u'0';
    if (base == 16 && c >= u'a' && c <= u'f')
      return c - u'a' + 10;
    if (base == 16 && c >= u'A' && c <= u'F')
      return c - u'A' + 10;
    return -1;
  }

  std::u16string_view text_;
  std::size_t pos_ = 0;
};

constexpr std::uint64_t kInt32Limit = std::numeric_limits<std::int32_t>::max();
constexpr std::uint64_t kUint32Limit = std::numeric_limits<std::uint32_t>::max();

// Field 4 and 5: the repeat letter and the date. False when the date does not fit.
bool readRepeatAndDate(RecordCursor& cursor, AlarmRecord& alarm) {
  switch (cursor.peek()) {
    case u'D':
      alarm.flags |= kAlarmDateMode;
      break;
    case u'M':
      alarm.flags |= kAlarmDateMode | kAlarmMonthly;
      break;
    case u'm':
      alarm.flags |= kAlarmMonthly;
      break;
    case u'Y':
      alarm.flags |= kAlarmDateMode | kAlarmAnnually;
      break;
    case u'y':
      alarm.flags |= kAlarmAnnually;
      break;
    case u'd':
      break;
    default:
      return true;  // no date; this character may start the weekly field
  }
  cursor.advance();
  cursor.skipBlanks();
  std::uint64_t date = 0;
  bool anyDigit = false;
  if (!cursor.readNumber(10, kInt32Limit, date, anyDigit))
    return false;
  if (anyDigit)
    alarm.date = static_cast<std::int32_t>(date);
  return true;
}

void readWeekDays(RecordCursor& cursor, AlarmRecord& alarm) {
  const char16_t letter = cursor.peek();
  if (letter != u'W' && letter != u'w')
    return;
  if (letter == u'W')
    alarm.flags |= kAlarmWeekly;
  cursor.advance();
  cursor.skipSeparator();
  for (int day = 0; day < 7; ++day) {
    const char16_t c = cursor.peek();
    if (c == kDayLetters[day]) {
      alarm.flags |= alarmDayBit(day);
    } else if (c == lower(kDayLetters[day])) {
      alarm.flags &= ~alarmDayBit(day);
    } else {
      break;
    }
    cursor.advance();
  }
}

bool readColour(RecordCursor& cursor, AlarmRecord& alarm) {
  const char16_t letter = cursor.peek();
  if (letter != u'C' && letter != u'c')
    return true;
  if (letter == u'C')
    alarm.flags |= kAlarmCustomColour;
  cursor.advance();
  cursor.skipSeparator();
  std::uint64_t colour = 0;
  bool anyDigit = false;
  if (!cursor.readNumber(16, kUint32Limit, colour, anyDigit))
    return false;
  if (!anyDigit)
    alarm.flags &= ~kAlarmCustomColour;
  alarm.colour = static_cast<std::uint32_t>(colour);
  return true;
}

bool readDuration(RecordCursor& cursor, AlarmRecord& alarm) {
  const char16_t letter = cursor.peek();
  if (letter != u'E' && letter != u'e')
    return true;
  cursor.advance();
  cursor.skipSeparator();
  std::uint64_t seconds = 0;
  bool anyDigit = false;
  if (!cursor.readNumber(10, kInt32Limit, seconds, anyDigit))
    return false;
  const auto n = static_cast<std::int32_t>(seconds);
  alarm.duration = letter == u'E' ? n : -n;
  return true;
}

}  // namespace

std::u16string formatAlarmRecord(const AlarmRecord& alarm) {
  char buffer[64];
  std::u16string text;
  if (!alarm.enabled())
    text += u'-';
  const std::int32_t time = alarm.time < 0 ? 0 : alarm.time;
  std::snprintf(buffer, sizeof buffer, "%02d%02d%02d ", time / 10000, time / 100 % 100, time % 100);
  text += ascii(buffer);

  char16_t repeat = u'D';
  if (alarm.flags & kAlarmAnnually) {
    repeat = u'Y';
  } else if (alarm.flags & kAlarmMonthly) {
    repeat = u'M';
  }
  text += (alarm.flags & kAlarmDateMode) ? repeat : lower(repeat);
  // A record without a date keeps having none: no digits read back as -1.
  if (alarm.date >= 0) {
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", alarm.date / 10000, alarm.date / 100 % 100,
                  alarm.date % 100);
    text += ascii(buffer);
  }

  text += (alarm.flags & kAlarmWeekly) ? u" W:" : u" w:";
  int lastDay = -1;
  for (int day = 0; day < 7; ++day) {
    if (alarm.flags & alarmDayBit(day))
      lastDay = day;
  }
  for (int day = 0; day <= lastDay; ++day) {
    text += (alarm.flags & alarmDayBit(day)) ? kDayLetters[day] : lower(kDayLetters[day]);
  }

  text += (alarm.flags & kAlarmCustomColour) ? u" C:" : u" c:";
  std::snprintf(buffer, sizeof buffer, "%02x%02x%02x", (alarm.colour >> 16) & 0xFFu,
                (alarm.colour >> 8) & 0xFFu, alarm.colour & 0xFFu);
  text += ascii(buffer);

  if (alarm.duration != 0) {
    // The magnitude in 64 bits: the most negative duration has no positive counterpart.
    const std::int64_t seconds = alarm.duration;
    std::snprintf(buffer, sizeof buffer, "%s%lld", alarm.duration > 0 ? " E:" : " e:",
                  static_cast<long long>(seconds < 0 ? -seconds : seconds));
    text += ascii(buffer);
  }
  text += u" >";
  text += alarm.cellText;
  return text;
}

std::optional<AlarmRecord> parseAlarmRecord(std::u16string_view text) {
  RecordCursor cursor(text);
  AlarmRecord alarm;
  alarm.flags = kAlarmEnabled;
  cursor.skipBlanks();
  if (cursor.peek() == u'-') {
    alarm.flags = 0;
    cursor.advance();
    cursor.skipBlanks();
  }
  std::uint64_t time = 0;
  bool anyDigit = false;
  if (!cursor.readNumber(10, kInt32Limit, time, anyDigit) || !anyDigit)
    return std::nullopt;
  alarm.time = static_cast<std::int32_t>(time);

  cursor.skipBlanks();
  if (!readRepeatAndDate(cursor, alarm))
    return std::nullopt;
  cursor.skipBlanks();
  readWeekDays(cursor, alarm);
  cursor.skipBlanks();
  if (!readColour(cursor, alarm))
    return std::nullopt;
  cursor.skipBlanks();
  if (!readDuration(cursor, alarm))
    return std::nullopt;
  cursor.skipBlanks();
  if (cursor.peek() == u'>') {
    cursor.advance();
    alarm.cellText = std::u16string(cursor.rest());
  }
  return alarm;
}

std::int32_t alarmNumberOf(std::u16string_view valueName) {
  if (valueName.size() < kAlarmValuePrefix.size())
    return kNoAlarmNumber;
  RecordCursor cursor(valueName.substr(kAlarmValuePrefix.size()));
  std::uint64_t number = 0;
  bool anyDigit = false;
  if (!cursor.readNumber(10, kInt32Limit, number, anyDigit) || !anyDigit)
    return kNoAlarmNumber;
  return static_cast<std::int32_t>(number);
}

}  // namespace zembrik
