// Any bytes as a "TZI" record, then zone time at any moments (every field of the moment takes
// every value). Besides not crashing, the results must hold together: the bias is the standard
// or the daylight one as the state says, the local time is UTC minus the bias, and the year
// cache answers as a fresh computation would.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/timezone/calendar_days.h"
#include "engine/timezone/daylight_saving.h"
#include "engine/timezone/zone_information.h"

using namespace zembrik;

namespace {

// A record whose fields mostly sit in or just outside their valid ranges, so the rule logic is
// reached far more often than with raw bytes.
std::vector<std::uint8_t> plausibleRecord(FuzzedDataProvider& in) {
  ZoneInformation zone;
  zone.bias = in.ConsumeIntegralInRange(-kMaxBiasMinutes, kMaxBiasMinutes);
  zone.standardBias = in.ConsumeIntegralInRange(-kMaxBiasMinutes, kMaxBiasMinutes);
  zone.daylightBias = in.ConsumeIntegralInRange(-kMaxBiasMinutes, kMaxBiasMinutes);
  for (TransitionRule* rule : {&zone.standardDate, &zone.daylightDate}) {
    rule->month = in.ConsumeIntegralInRange<std::uint16_t>(0, 13);
    rule->dayOfWeek = in.ConsumeIntegralInRange<std::uint16_t>(0, 7);
    rule->day = in.ConsumeIntegralInRange<std::uint16_t>(0, 6);
    rule->hour = in.ConsumeIntegralInRange<std::uint16_t>(0, 24);
    rule->minute = in.ConsumeIntegralInRange<std::uint16_t>(0, 60);
    rule->second = in.ConsumeIntegralInRange<std::uint16_t>(0, 60);
    rule->milliseconds = in.ConsumeIntegralInRange<std::uint16_t>(0, 1000);
  }
  return encodeTzi(zone);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  auto bytes = in.ConsumeBool()
                   ? plausibleRecord(in)
                   : in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange<std::size_t>(0, 64));
  auto zone = parseTzi(bytes);
  if (!zone)
    return 0;
  if (encodeTzi(*zone) != bytes)
    std::abort();

  DaylightYearCache cache;
  while (in.remaining_bytes() >= 16) {
    CalendarTime utc;
    for (std::uint16_t* field : {&utc.year, &utc.month, &utc.dayOfWeek, &utc.day, &utc.hour,
                                 &utc.minute, &utc.second, &utc.milliseconds}) {
      *field = in.ConsumeIntegral<std::uint16_t>();
    }
    if (in.ConsumeBool())
      utc = calendarTimeOf(
          in.ConsumeIntegralInRange<std::int64_t>(millisecondsOf({2020}), millisecondsOf({2031})));
    const ZoneMoment moment = zoneMomentAt(*zone, utc, cache);
    const std::int32_t expectedBias =
        zone->bias + (moment.daylight ? zone->daylightBias : zone->standardBias);
    if (moment.time.biasMinutes != expectedBias)
      std::abort();
    if (moment.daylight && !observesDaylightSaving(*zone))
      std::abort();

    DaylightYearCache fresh;
    if (zoneMomentAt(*zone, utc, fresh).daylight != moment.daylight)
      std::abort();

    // Where the local year stays inside the record's range the shift is exact.
    const std::int64_t local = millisecondsOf(utc) - std::int64_t{expectedBias} * 60'000;
    const CalendarTime expected = calendarTimeOf(local);
    if (utc.year >= 2 && utc.year <= 65000 && !(moment.time.local == expected))
      std::abort();
  }
  return 0;
}
