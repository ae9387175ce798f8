#include "engine/options/alarms_page_model.h"

#include <algorithm>
#include <limits>
#include <set>
#include <tuple>

#include "engine/alarms/alarm_loading.h"
#include "engine/alarms/alarm_record_text.h"
#include "engine/alarms/next_occurrence.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"

namespace zembrik {

namespace {

constexpr std::u16string_view kNamePrefix = u"name_";
constexpr KeyAccess kAlarmsAccess = kKeyRead | kKeySetValue;
constexpr std::uint64_t kNeverKey = std::numeric_limits<std::uint64_t>::max();

std::u16string numbered(std::u16string_view prefix, std::int32_t number) {
  std::u16string digits;
  auto value = static_cast<std::uint32_t>(number);
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
    value /= 10;
  } while (value != 0);
  return std::u16string(prefix) + digits;
}

OpenedKey openAlarms(RegistryKey& settingsRoot) {
  return settingsRoot.createSubkey(kAlarmsKeyName, kAlarmsAccess, KeyLifetime::Persistent);
}

// NotFound counts as done: the value is gone either way.
bool deleted(RegistryKey& key, std::u16string_view name) {
  const RegStatus status = key.deleteValue(name);
  return status == RegStatus::Ok || status == RegStatus::NotFound;
}

PageAlarm unreadAlarm(std::int32_t number) {
  PageAlarm alarm;
  alarm.record.number = number;
  alarm.record.time = -1;
  alarm.record.date = -1;
  return alarm;
}

}  // namespace

std::optional<AlarmValueName> parseAlarmValueName(std::u16string_view name) {
  AlarmValueName parsed;
  if (name.starts_with(kAlarmValuePrefix)) {
    parsed.isRecord = true;
    name.remove_prefix(kAlarmValuePrefix.size());
  } else if (name.starts_with(kNamePrefix)) {
    name.remove_prefix(kNamePrefix.size());
  } else {
    return std::nullopt;
  }
  if (name.empty() || name[0] < u'0' || name[0] > u'9')
    return std::nullopt;  // no digits, or a sign: a negative number is no alarm of the page's
  std::int64_t number = 0;
  for (char16_t c : name) {
    if (c < u'0' || c > u'9')
      break;
    number = number * 10 + (c - u'0');
    if (number > std::numeric_limits<std::int32_t>::max())
      return std::nullopt;
  }
  parsed.number = static_cast<std::int32_t>(number);
  return parsed;
}

std::int32_t newAlarmNumber(const std::vector<std::int32_t>& numbersInUse) {
  if (numbersInUse.empty())
    return 1;
  const std::int32_t largest = *std::max_element(numbersInUse.begin(), numbersInUse.end());
  if (largest < std::numeric_limits<std::int32_t>::max())
    return std::max(largest + 1, 1);
  const std::set<std::int32_t> used(numbersInUse.begin(), numbersInUse.end());
  std::int32_t free = 1;
  while (used.contains(free)) ++free;  // fewer alarms than numbers: this ends
  return free;
}

std::u16string alarmsRegistryError() {
  return u"Error can't open registry: " + std::u16string(kSettingsRootPath) + u"\\" +
         std::u16string(kAlarmsKeyName);
}

AlarmsPageModel::AlarmsPageModel(RegistryKey& settingsRoot, std::function<void()> notifyReload)
    : settingsRoot_(settingsRoot), notifyReload_(std::move(notifyReload)) {}

void AlarmsPageModel::load(const CalendarTime& now) {
  alarms_.clear();
  order_.clear();
  selected_.reset();
  auto key = openAlarms(settingsRoot_);
  std::uint32_t subkeys = 0;
  std::uint32_t values = 0;
  if (!key || key.key->countEntries(subkeys, values) != RegStatus::Ok)
    return;
  RegEnumEntry entry;
  for (std::uint32_t index = values; index-- > 0;) {
    const RegStatus status = key.key->enumValue(index, kEnumNameChars, entry);
    if (status == RegStatus::MoreData)
      continue;
    if (status != RegStatus::Ok)
      break;
    const auto valueName = parseAlarmValueName(entry.name);
    if (!valueName)
      continue;
    const auto text = readText(*key.key, entry.name);
    if (!text)
      continue;
    auto known = std::find_if(alarms_.begin(), alarms_.end(), [&](const PageAlarm& alarm) {
      return alarm.record.number == valueName->number;
    });
    if (known == alarms_.end()) {
      alarms_.push_back(unreadAlarm(valueName->number));
      order_.push_back(alarms_.size() - 1);
      known = alarms_.end() - 1;
    }
    if (!valueName->isRecord) {
      known->name = *text;
    } else if (auto record = parseAlarmRecord(*text)) {
      record->number = valueName->number;
      known->record = std::move(*record);
    }
  }
  sort(now);
}

std::uint64_t AlarmsPageModel::sortKey(std::size_t index, const CalendarTime& now) {
  AlarmRecord& record = alarms_[index].record;
  const std::int64_t seconds = nextOccurrence(record, now);
  if (seconds == kNeverOccurs) {
    record.flags &= ~kAlarmEnabled;  // never rings again: shown as disabled from now on
    return kNeverKey;
  }
  return static_cast<std::uint64_t>(seconds);
}

AlarmRowTexts AlarmsPageModel::rowTexts(std::size_t row, const CalendarTime& now) {
  const std::size_t index = order_[row];
  std::uint64_t seconds = 0;
  if (alarms_[index].record.enabled())
    seconds = sortKey(index, now);
  const PageAlarm& alarm = alarms_[index];
  return alarmRowTexts(alarm.record, alarm.name, alarm.record.enabled(), seconds, selected_ == row);
}

void AlarmsPageModel::sort(const CalendarTime& now) {
  constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
  const std::size_t selectedAlarm = selected_ ? order_[*selected_] : kNone;
  std::vector<std::uint64_t> keys(alarms_.size());
  std::vector<std::size_t> position(alarms_.size());
  for (std::size_t row = 0; row < order_.size(); ++row) {
    keys[order_[row]] = sortKey(order_[row], now);
    position[order_[row]] = row;
  }
  std::sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
    const PageAlarm& left = alarms_[a];
    const PageAlarm& right = alarms_[b];
    return std::tuple(keys[a], !left.record.enabled(), std::u16string_view(left.name),
                      position[a]) < std::tuple(keys[b], !right.record.enabled(),
                                                std::u16string_view(right.name), position[b]);
  });
  if (selectedAlarm != kNone) {
    selected_ = static_cast<std::size_t>(std::find(order_.begin(), order_.end(), selectedAlarm) -
                                         order_.begin());
  }
}

void AlarmsPageModel::select(std::optional<std::size_t> row) {
  selected_ = row && *row < order_.size() ? row : std::nullopt;
}

std::u16string_view AlarmsPageModel::switchButtonText() const {
  return selected_ && alarmInRow(*selected_).record.enabled() ? u"disable" : u"enable";
}

AlarmDetails AlarmsPageModel::detailsOfRow(std::size_t row, const CalendarTime& now) const {
  const PageAlarm& alarm = alarmInRow(row);
  return alarmDetailsFrom(alarm.record, alarm.name, now);
}

bool AlarmsPageModel::write(const PageAlarm& alarm) {
  auto key = openAlarms(settingsRoot_);
  if (!key)
    return false;
  const std::u16string nameValue = numbered(kNamePrefix, alarm.record.number);
  const std::u16string recordValue = numbered(kAlarmValuePrefix, alarm.record.number);
  const auto oldName = readText(*key.key, nameValue);
  if (!writeText(*key.key, nameValue, alarm.name))
    return false;
  if (writeText(*key.key, recordValue, formatAlarmRecord(alarm.record)))
    return true;
  // No half alarm: the name goes back to what it was.
  if (oldName)
    writeText(*key.key, nameValue, *oldName);
  else
    key.key->deleteValue(nameValue);
  return false;
}

bool AlarmsPageModel::add(const AlarmDetails& details, const CalendarTime& now) {
  std::vector<std::int32_t> numbers;
  for (const PageAlarm& alarm : alarms_) numbers.push_back(alarm.record.number);
  PageAlarm alarm;
  alarm.name = details.name;
  alarm.record = recordFrom(details, now);
  alarm.record.number = newAlarmNumber(numbers);
  if (!write(alarm))
    return false;
  alarms_.push_back(std::move(alarm));
  order_.push_back(alarms_.size() - 1);
  selected_.reset();
  notifyReload_();
  sort(now);
  return true;
}

bool AlarmsPageModel::edit(std::size_t row, const AlarmDetails& details, const CalendarTime& now) {
  PageAlarm alarm = alarmInRow(row);
  alarm.name = details.name;
  alarm.record = recordFrom(details, now);
  alarm.record.number = alarmInRow(row).record.number;
  if (!write(alarm))
    return false;
  alarms_[order_[row]] = std::move(alarm);
  notifyReload_();
  sort(now);
  return true;
}

bool AlarmsPageModel::switchSelected(const CalendarTime& now) {
  if (!selected_)
    return false;
  PageAlarm alarm = alarmInRow(*selected_);
  alarm.record.flags ^= kAlarmEnabled;
  if (alarm.record.enabled())
    dateUndatedAlarm(alarm.record, now);
  if (!write(alarm))
    return false;
  alarms_[order_[*selected_]] = std::move(alarm);
  notifyReload_();
  sort(now);
  return true;
}

bool AlarmsPageModel::remove(std::size_t row) {
  const std::size_t index = order_[row];
  auto key = openAlarms(settingsRoot_);
  if (!key)
    return false;
  const std::int32_t number = alarms_[index].record.number;
  // The record first: a name left without it is only a label, a record left without its name
  // would still ring.
  if (!deleted(*key.key, numbered(kAlarmValuePrefix, number)))
    return false;
  const bool nameGone = deleted(*key.key, numbered(kNamePrefix, number));
  notifyReload_();
  if (!nameGone) {
    // The registry holds only the name now, and so does the table.
    const std::u16string name = alarms_[index].name;
    alarms_[index] = unreadAlarm(number);
    alarms_[index].name = name;
    return false;
  }
  alarms_.erase(alarms_.begin() + static_cast<std::ptrdiff_t>(index));
  order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(row));
  for (std::size_t& shown : order_) {
    if (shown > index)
      --shown;
  }
  selected_.reset();
  return true;
}

}  // namespace zembrik
