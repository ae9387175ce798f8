#include "engine/calendar/calendar_settings.h"

#include "engine/names/name_list_parser.h"
#include "engine/registry/registry_access.h"

namespace zembrik {

int calendarAlphaFor(std::uint32_t percent) noexcept {
  if (percent > 100)
    return -1;
  return static_cast<int>(percent * 255 / 100);
}

CalendarSettings readCalendarSettings(RegistryKey& root, const CalendarSettings& previous) {
  CalendarSettings settings;
  if (auto first = readNumber(root, u"weekMo"); first && *first <= 6)
    settings.firstWeekday = static_cast<int>(*first);
  if (auto top = readNumber(root, u"topCalendar"))
    settings.topmost = *top != 0;
  if (auto percent = readNumber(root, u"transparentCalendar")) {
    const int alpha = calendarAlphaFor(*percent);
    settings.alpha = alpha >= 0 ? alpha : previous.alpha;
  }
  if (auto today = readNumber(root, u"TodayCalendar")) {
    // A DWORD read as signed; anything below -1 means "never" as -1 does.
    const auto signedValue = static_cast<std::int32_t>(*today);
    settings.todayAfterMs = signedValue < -1 ? -1 : signedValue;
  }
  if (auto names = readText(root, u"weekDaysCal")) {
    auto parsed = parseNameList(*names, settings.weekdayNames.size());
    for (std::size_t i = 0; i < settings.weekdayNames.size(); ++i)
      settings.weekdayNames[i] = std::move(parsed[i]);
  }
  if (auto title = readText(root, u"CalendarTitle"))
    settings.title = std::move(*title);
  if (auto font = readText(root, u"CalendarFont"))
    settings.font = std::move(*font);
  if (auto weeks = readNumber(root, u"CalendarWeeks"))
    settings.weeks = *weeks & (kNamesAbove | kNamesBelow | kWeeksLeft | kWeeksRight);
  return settings;
}

}  // namespace zembrik
