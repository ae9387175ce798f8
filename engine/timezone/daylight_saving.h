#pragma once
// When a zone is in daylight saving time, and its local time and bias at a UTC moment.
//
// The two changes of a year are resolved from the zone's rules for that year and turned into
// UTC instants (the change back to standard time happens on the daylight clock, the change to
// daylight time on the standard clock). The state at a moment is the kind of the last change at
// or before it. The changes of the year before and after are considered too, so a rule near New
// Year whose UTC instant falls into the neighbouring year still takes effect at the right time.
#include <array>
#include <cstdint>

#include "engine/format/calendar_time.h"
#include "engine/format/zone_table.h"
#include "engine/timezone/zone_information.h"

namespace zembrik {

// The UTC instant (milliseconds since 1970) of a rule's change in `year`, for a clock running
// `biasMinutes` behind UTC. The day is the first of the rule's weekdays in the month, moved on
// by whole weeks for the occurrence while it stays inside the month (so 5 is the last one).
std::int64_t transitionInstant(const TransitionRule& rule, int year, std::int64_t biasMinutes);

// The changes of one year and its two neighbours, in time order. Rebuilt only when another year
// is asked for, so a clock showing the same year never resolves rules twice.
class DaylightYearCache {
 public:
  struct Change {
    std::int64_t instant = 0;
    bool toDaylight = false;
  };

  // The changes for UTC year `year`, computed now unless they already are.
  const std::array<Change, 6>& changesFor(const ZoneInformation& zone, int year);
  bool holds(int year) const { return valid_ && year_ == year; }
  void clear() { valid_ = false; }

 private:
  bool valid_ = false;
  int year_ = 0;
  std::array<Change, 6> changes_{};
};

// True when daylight saving time is in force at `utc` (milliseconds since 1970, in UTC year
// `utcYear`). Zones that do not observe it (observesDaylightSaving) never are.
bool isDaylightInForce(const ZoneInformation& zone, std::int64_t utc, int utcYear,
                       DaylightYearCache& cache);

struct ZoneMoment {
  ZoneTime time;
  bool daylight = false;
};

// The zone's wall-clock time and bias at `utc`: base bias plus the daylight or standard bias.
ZoneMoment zoneMomentAt(const ZoneInformation& zone, const CalendarTime& utc,
                        DaylightYearCache& cache);

}  // namespace zembrik
