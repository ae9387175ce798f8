#include "engine/timezone/daylight_saving.h"

#include <algorithm>

#include "engine/timezone/calendar_days.h"

namespace zembrik {

std::int64_t transitionInstant(const TransitionRule& rule, int year, std::int64_t biasMinutes) {
  const int month = rule.month;
  const std::int64_t firstOfMonth = dayNumberOf(year, month, 1);
  int day = 1 + (static_cast<int>(rule.dayOfWeek) - weekdayOf(firstOfMonth) + 7) % 7;
  const int lastDay = daysInMonth(year, month);
  for (int week = 1; week < rule.day && day + 7 <= lastDay; ++week) day += 7;

  const std::int64_t timeOfDay =
      ((rule.hour * 60 + rule.minute) * 60 + rule.second) * std::int64_t{1000} + rule.milliseconds;
  return (firstOfMonth + day - 1) * kMillisecondsPerDay + timeOfDay +
         biasMinutes * kMillisecondsPerMinute;
}

const std::array<DaylightYearCache::Change, 6>& DaylightYearCache::changesFor(
    const ZoneInformation& zone, int year) {
  if (holds(year))
    return changes_;
  // The change back to standard time is read on the daylight clock, and the other way round.
  const std::int64_t onDaylightClock = std::int64_t{zone.bias} + zone.daylightBias;
  const std::int64_t onStandardClock = std::int64_t{zone.bias} + zone.standardBias;
  std::size_t n = 0;
  for (int y = year - 1; y <= year + 1; ++y) {
    const std::int64_t toStandard = transitionInstant(zone.standardDate, y, onDaylightClock);
    const std::int64_t toDaylight = transitionInstant(zone.daylightDate, y, onStandardClock);
    changes_[n++] = {toDaylight, true};
    changes_[n++] = {toStandard, false};
  }
  // At equal instants the change to standard time sorts last and so wins.
  std::stable_sort(changes_.begin(), changes_.end(), [](const Change& a, const Change& b) {
    return a.instant < b.instant || (a.instant == b.instant && a.toDaylight && !b.toDaylight);
  });
  year_ = year;
  valid_ = true;
  return changes_;
}

bool isDaylightInForce(const ZoneInformation& zone, std::int64_t utc, int utcYear,
                       DaylightYearCache& cache) {
  if (!observesDaylightSaving(zone))
    return false;
  const auto& changes = cache.changesFor(zone, utcYear);
  // Before the first change the clock shows what that change leaves.
  bool daylight = !changes.front().toDaylight;
  for (const auto& change : changes) {
    if (change.instant > utc)
      break;
    daylight = change.toDaylight;
  }
  return daylight;
}

ZoneMoment zoneMomentAt(const ZoneInformation& zone, const CalendarTime& utc,
                        DaylightYearCache& cache) {
  const std::int64_t instant = millisecondsOf(utc);
  ZoneMoment moment;
  moment.daylight = isDaylightInForce(zone, instant, utc.year, cache);
  moment.time.biasMinutes = zone.bias + (moment.daylight ? zone.daylightBias : zone.standardBias);
  moment.time.local =
      calendarTimeOf(instant - std::int64_t{moment.time.biasMinutes} * kMillisecondsPerMinute);
  return moment;
}

}  // namespace zembrik
