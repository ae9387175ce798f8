// Alarm records and value names on any text: no out-of-bounds reads or overflow, and what the
// parser accepts is written back as a record that reads the same (its colour in 24 bits).
#include <cstdlib>

#include "engine/alarms/alarm_record_text.h"
#include "engine/alarms/next_occurrence.h"
#include "fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = zembrik::fuzzing::textOf(data, size);
  const std::int32_t number = zembrik::alarmNumberOf(std::u16string(u"alarm_") + text);
  if (number < -1)
    std::abort();
  const auto record = zembrik::parseAlarmRecord(text);
  if (!record)
    return 0;
  if (record->time < 0 || record->date < -1)
    std::abort();
  // The written colour has 24 bits; a longer hex number in a stored record keeps only those.
  auto written = *record;
  written.colour &= 0xFFFFFFu;
  if (zembrik::parseAlarmRecord(zembrik::formatAlarmRecord(*record)) != written)
    std::abort();
  const zembrik::CalendarTime now{2026, 12, 3, 9, 7, 30, 0, 0};
  const std::int64_t next = zembrik::nextOccurrence(*record, now);
  if (next < -1)
    std::abort();
  return 0;
}
