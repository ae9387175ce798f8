#include "engine/alarms/alarm_loading.h"

#include "engine/alarms/alarm_record_text.h"
#include "engine/registry/registry_access.h"

namespace zembrik {

namespace {

constexpr KeyAccess kAlarmsAccess = kKeyRead | kKeySetValue;

OpenedKey openAlarmsKey(RegistryKey& settingsRoot) {
  // Opened first: creating needs more rights on the root than the reader may hold.
  auto opened = settingsRoot.openSubkey(kAlarmsKeyName, kAlarmsAccess);
  if (opened || opened.status != RegStatus::NotFound)
    return opened;
  return settingsRoot.createSubkey(kAlarmsKeyName, kAlarmsAccess, KeyLifetime::Persistent);
}

}  // namespace

std::vector<AlarmRecord> readAlarmRecords(RegistryKey& settingsRoot) {
  std::vector<AlarmRecord> records;
  auto alarms = openAlarmsKey(settingsRoot);
  if (!alarms)
    return records;
  std::uint32_t subkeys = 0;
  std::uint32_t values = 0;
  if (alarms.key->countEntries(subkeys, values) != RegStatus::Ok)
    return records;

  RegEnumEntry entry;
  for (std::uint32_t index = values; index-- > 0;) {
    const RegStatus status = alarms.key->enumValue(index, kEnumNameChars, entry);
    if (status == RegStatus::MoreData)
      continue;  // a name too long for the buffer is no alarm of ours
    if (status != RegStatus::Ok)
      break;
    if (!entry.name.starts_with(kAlarmValuePrefix))
      continue;
    const auto text = readText(*alarms.key, entry.name);
    if (!text)
      continue;
    auto record = parseAlarmRecord(*text);
    if (!record || !record->enabled())
      continue;
    record->number = alarmNumberOf(entry.name);
    records.push_back(std::move(*record));
  }
  return records;
}

}  // namespace zembrik
