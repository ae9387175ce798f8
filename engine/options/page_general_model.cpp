#include "engine/options/page_general_model.h"

#include <algorithm>

#include "engine/registry/registry_access.h"

namespace zembrik {

namespace {

constexpr std::u16string_view kTodayTextStart = u"Calendar opens \"today\" ";
constexpr std::u16string_view kDefaultWeekdayNames = u"Su;Mo;Tu;We;Th;Fr;Sa";
constexpr std::u16string_view kDefaultCalendarTitle = u"MMMM - yyyy";
constexpr std::uint32_t kDefaultCalendarWeeks = 5;

const FontChoice kCalendarFontFallback{14, 700, u"Arial"};
const FontChoice kOptionsFontFallback{10, 400, u"Arial"};

bool readFlag(RegistryKey& key, std::u16string_view name, bool fallback) {
  auto value = readNumber(key, name);
  return value ? *value != 0 : fallback;
}

int clampedPercent(int position) noexcept {
  return std::clamp(position, 0, 100);
}

int readPercent(RegistryKey& key, std::u16string_view name) {
  auto value = readNumber(key, name);
  return value ? static_cast<int>(std::min<std::uint32_t>(*value, 100u)) : 0;
}

int clampedPlace(int index) noexcept {
  return std::clamp(index, 0, 3);
}

char16_t asciiLower(char16_t c) noexcept {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool sameFaceName(std::u16string_view a, std::u16string_view b) noexcept {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char16_t x, char16_t y) { return asciiLower(x) == asciiLower(y); });
}

}  // namespace

std::u16string todayCalendarText(std::optional<std::uint32_t> stored) {
  const std::uint32_t t = stored.value_or(0) & kTodayTimeMask;
  std::u16string text(kTodayTextStart);
  if (t < 100)
    return text + u"always";
  text += u"if closed for more than ";
  if (t % 1000 != 0)
    return text + unsignedText(t) + u" ms";
  if (t % 60000 != 0)
    return text + unsignedText(t / 1000) + u" sec";
  if (t % 3600000 != 0)
    return text + unsignedText(t / 60000) + u" min";
  return text + unsignedText(t / 3600000) + u" hour";
}

CalendarWeeks splitCalendarWeeks(std::uint32_t stored) noexcept {
  return {static_cast<int>(stored & 3u), static_cast<int>((stored >> 2) & 3u)};
}

std::uint32_t joinCalendarWeeks(int weekdayPlace, int weekNumberPlace) noexcept {
  return static_cast<std::uint32_t>(clampedPlace(weekNumberPlace) * 4 + clampedPlace(weekdayPlace));
}

std::u16string optionsRestartCommandLine(std::u16string_view programPath) {
  std::u16string line = u"\"";
  line += programPath;
  line += u"\" ***";
  return line;
}

FontSizeLimits optionsFontSizeLimits(int currentPoints, int windowWidth, int windowHeight,
                                     int workAreaWidth, int workAreaHeight) noexcept {
  FontSizeLimits limits;
  // Without a measured window there is nothing to scale from; the chooser's usual top stays.
  constexpr int kChooserLargest = 72;
  if (currentPoints <= 0 || windowWidth <= 0 || windowHeight <= 0) {
    limits.largest = kChooserLargest;
    return limits;
  }
  const long long byWidth = 1LL * currentPoints * workAreaWidth / windowWidth;
  const long long byHeight = 1LL * currentPoints * workAreaHeight / windowHeight;
  const long long largest = std::min({byWidth, byHeight, static_cast<long long>(kChooserLargest)});
  limits.largest = static_cast<int>(std::max<long long>(largest, limits.smallest));
  return limits;
}

GeneralPageModel::GeneralPageModel(FormPageServices& services, RegistryKey& currentUser,
                                   bool oldSystem)
    : services_(services), currentUser_(currentUser) {
  state_.hideShowDesktopEnabled = !oldSystem;
}

std::optional<std::u16string> GeneralPageModel::autoStartName() {
  RegistryKey* settings = services_.settingsKey();
  if (!settings)
    return std::nullopt;
  auto name = readText(*settings, u"ZembrikName");
  auto path = readText(*settings, u"ZembrikPath");
  // An empty name would address the Run key's default value, which is no start entry.
  if (!name || name->empty() || !path)
    return std::nullopt;
  return name;
}

void GeneralPageModel::load() {
  RegistryKey* settings = services_.settingsKey();
  if (!settings)
    return;
  GeneralPageState& s = state_;

  auto name = autoStartName();
  s.autoStartAvailable = name.has_value();
  s.autoStart = false;
  if (name) {
    // Read only: the Run key is created when the box is first checked, not by looking.
    if (OpenedKey run = currentUser_.openSubkey(kRunKeyPath, kKeyRead))
      s.autoStart = readText(*run.key, *name).has_value();
  }

  s.restart = readFlag(*settings, u"restart", true);
  s.hideShowDesktop = readFlag(*settings, u"hideShowDesktop", false);
  s.taskbarTransparency = readPercent(*settings, u"transparentTaskBar");
  s.customTooltip = readText(*settings, u"CustomTooltip").value_or(u"");
  s.optionsFont = readText(*settings, u"OptionsFont");
  s.weekStartsMonday = readFlag(*settings, u"weekMo", true);
  s.calendarOnTop = readFlag(*settings, u"topCalendar", true);
  s.todayCalendar = readNumber(*settings, u"TodayCalendar");
  s.calendarFont = readText(*settings, u"CalendarFont");
  const CalendarWeeks weeks =
      splitCalendarWeeks(readNumber(*settings, u"CalendarWeeks").value_or(kDefaultCalendarWeeks));
  s.weekdayPlace = weeks.weekdayPlace;
  s.weekNumberPlace = weeks.weekNumberPlace;
  s.weekdayNames =
      readText(*settings, u"weekDaysCal").value_or(std::u16string(kDefaultWeekdayNames));
  s.calendarTitle =
      readText(*settings, u"CalendarTitle").value_or(std::u16string(kDefaultCalendarTitle));
  s.calendarTransparency = readPercent(*settings, u"transparentCalendar");
}

void GeneralPageModel::loadClockSet(RegistryKey* thisKey) {
  state_.flatTrayEnabled = !thisKey || readNumber(*thisKey, u"isXPtheme").value_or(0) == 0;
  RegistryKey* set = services_.setKeyForReading();
  state_.flatTray = set && readFlag(*set, u"FlatTray", false);
}

bool GeneralPageModel::writeAutoStart(RegistryKey& settings) {
  auto name = readText(settings, u"ZembrikName");
  auto path = readText(settings, u"ZembrikPath");
  if (!name || name->empty() || !path)
    return false;
  if (state_.autoStart) {
    OpenedKey run = currentUser_.createSubkey(kRunKeyPath, kKeyReadWrite, KeyLifetime::Persistent);
    return run && writeText(*run.key, *name, *path);
  }
  OpenedKey run = currentUser_.openSubkey(kRunKeyPath, kKeyReadWrite);
  if (!run)
    return true;  // no Run key, so no entry either
  const RegStatus status = run.key->deleteValue(*name);
  return status == RegStatus::Ok || status == RegStatus::NotFound;
}

RegistryKey* GeneralPageModel::settingsOrMessage() {
  RegistryKey* settings = services_.settingsKey();
  if (!settings)
    services_.showMessage(kSettingsOpenError, kErrorCaption, MessageIcon::Exclamation);
  return settings;
}

void GeneralPageModel::setAutoStart(bool checked) {
  if (!state_.autoStartAvailable)
    return;
  state_.autoStart = checked;
  if (RegistryKey* settings = services_.settingsKey())
    writeAutoStart(*settings);
}

void GeneralPageModel::setSwitches(bool restart, bool weekStartsMonday, bool calendarOnTop) {
  state_.restart = restart;
  state_.weekStartsMonday = weekStartsMonday;
  state_.calendarOnTop = calendarOnTop;
  RegistryKey* settings = services_.settingsKey();
  if (!settings)
    return;
  writeFlag(*settings, u"restart", restart);
  writeFlag(*settings, u"weekMo", weekStartsMonday);
  writeFlag(*settings, u"topCalendar", calendarOnTop);
  services_.notifyClock(NotifyScope::EveryClock);
}

void GeneralPageModel::setHideShowDesktop(bool checked) {
  state_.hideShowDesktop = checked;
  // The clock reads it when it starts, so nobody is told to reload.
  if (RegistryKey* settings = settingsOrMessage())
    writeFlagOrDelete(*settings, u"hideShowDesktop", checked);
}

void GeneralPageModel::setFlatTray(bool checked) {
  state_.flatTray = checked;
  if (services_.writeSetNumber(u"FlatTray", checked ? 1u : 0u))
    services_.notifyClock(NotifyScope::EveryClock);
}

void GeneralPageModel::setTaskbarTransparency(int position) {
  state_.taskbarTransparency = clampedPercent(position);
  RegistryKey* settings = services_.settingsKey();
  if (!settings)
    return;
  writeNumber(*settings, u"transparentTaskBar",
              static_cast<std::uint32_t>(state_.taskbarTransparency));
  services_.notifyClock(NotifyScope::EveryClock);
}

void GeneralPageModel::setCalendarTransparency(int position) {
  state_.calendarTransparency = clampedPercent(position);
  RegistryKey* settings = services_.settingsKey();
  if (!settings)
    return;
  writeNumber(*settings, u"transparentCalendar",
              static_cast<std::uint32_t>(state_.calendarTransparency));
  services_.notifyClock(NotifyScope::HostOnly);
}

void GeneralPageModel::setTexts(std::u16string_view weekdayNames, std::u16string_view calendarTitle,
                                std::u16string_view customTooltip) {
  state_.weekdayNames = weekdayNames;
  state_.calendarTitle = calendarTitle;
  state_.customTooltip = customTooltip;
  RegistryKey* settings = services_.settingsKey();
  if (!settings)
    return;
  writeTextKeepingDefault(*settings, u"weekDaysCal", weekdayNames, kDefaultWeekdayNames);
  writeTextKeepingDefault(*settings, u"CalendarTitle", calendarTitle, kDefaultCalendarTitle);
  writeTextKeepingDefault(*settings, u"CustomTooltip", customTooltip, u"");
  services_.notifyClock(NotifyScope::EveryClock);
}

void GeneralPageModel::setCalendarWeeks(int weekdayPlace, int weekNumberPlace) {
  state_.weekdayPlace = clampedPlace(weekdayPlace);
  state_.weekNumberPlace = clampedPlace(weekNumberPlace);
  RegistryKey* settings = services_.settingsKey();
  if (!settings)
    return;
  writeNumber(*settings, u"CalendarWeeks",
              joinCalendarWeeks(state_.weekdayPlace, state_.weekNumberPlace));
  services_.notifyClock(NotifyScope::SelectedClock);
}

bool GeneralPageModel::clickTodayCalendar(
    bool checked, const std::function<std::optional<std::uint32_t>(std::uint32_t)>& askTimeout) {
  RegistryKey* settings = services_.settingsKey();
  if (!settings)
    return state_.todayChecked();
  const std::uint32_t stored = readNumber(*settings, u"TodayCalendar").value_or(0);
  std::uint32_t next = 0;
  if (checked) {
    auto entered = askTimeout(stored & kTodayTimeMask);
    if (!entered)
      return false;
    next = std::min<std::uint32_t>(*entered, static_cast<std::uint32_t>(kTodayTimeoutRange.high));
  } else {
    next = stored | kTodayDisabledBit;  // the time is kept for the next time it is checked
  }
  writeNumber(*settings, u"TodayCalendar", next);
  state_.todayCalendar = next;
  services_.notifyClock(NotifyScope::HostOnly);
  return checked;
}

FontChoice GeneralPageModel::calendarFontStart() const {
  return fontChoiceFromSpec(state_.calendarFont, kCalendarFontFallback);
}

void GeneralPageModel::chooseCalendarFont(const FontChoice& chosen) {
  state_.calendarFont = fontSpecText(chosen);
  RegistryKey* settings = services_.settingsKey();
  if (!settings)
    return;
  writeText(*settings, u"CalendarFont", *state_.calendarFont);
  services_.notifyClock(NotifyScope::SelectedClock);
}

FontChoice GeneralPageModel::optionsFontStart() const {
  return fontChoiceFromSpec(state_.optionsFont, kOptionsFontFallback);
}

OptionsFontOutcome GeneralPageModel::chooseOptionsFont(const FontChoice& chosen,
                                                       const FontInForce& inForce) {
  if (sameFaceName(chosen.face, inForce.face) && chosen.pointSize == inForce.pointSize)
    return OptionsFontOutcome::Unchanged;
  FontChoice normalWeight = chosen;
  normalWeight.weight = kOptionsFontFallback.weight;
  state_.optionsFont = fontSpecText(normalWeight);
  RegistryKey* settings = services_.settingsKey();
  if (!settings || !writeText(*settings, u"OptionsFont", *state_.optionsFont))
    return OptionsFontOutcome::Unchanged;
  return OptionsFontOutcome::WrittenRestartNeeded;
}

void GeneralPageModel::close() {
  std::unique_ptr<RegistryKey> reopened = services_.reopenSettingsKey();
  if (!reopened) {
    services_.showMessage(kSettingsOpenError, kErrorCaption, MessageIcon::Exclamation);
    return;
  }
  RegistryKey* settings = reopened.get();
  const GeneralPageState& s = state_;
  writeAutoStart(*settings);
  writeFlagOrDelete(*settings, u"hideShowDesktop", s.hideShowDesktop);
  writeFlag(*settings, u"restart", s.restart);
  writeFlag(*settings, u"weekMo", s.weekStartsMonday);
  writeFlag(*settings, u"topCalendar", s.calendarOnTop);
  writeNumber(*settings, u"transparentCalendar",
              static_cast<std::uint32_t>(clampedPercent(s.calendarTransparency)));
  writeNumber(*settings, u"transparentTaskBar",
              static_cast<std::uint32_t>(clampedPercent(s.taskbarTransparency)));
  writeText(*settings, u"weekDaysCal", s.weekdayNames);
  writeText(*settings, u"CalendarTitle", s.calendarTitle);
  if (s.calendarFont)
    writeText(*settings, u"CalendarFont", *s.calendarFont);
  if (s.optionsFont)
    writeText(*settings, u"OptionsFont", *s.optionsFont);
  writeNumber(*settings, u"CalendarWeeks", joinCalendarWeeks(s.weekdayPlace, s.weekNumberPlace));
  services_.notifyClock(NotifyScope::EveryClock);
}

}  // namespace zembrik
