#pragma once
// Reads the stored alarms: the REG_SZ values `alarm_N` of the subkey `alarms` of the settings
// root. The host never writes a record; it only creates the key empty when it is missing.
#include <vector>

#include "engine/alarms/alarm_record.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

inline constexpr std::u16string_view kAlarmsKeyName = u"alarms";

// The enabled records that parse, numbered from their value names, in enumeration order from
// the last value to the first. Foreign values, `name_N`, values of other types, names too long
// for the 1024-character buffer and malformed records are skipped; nothing when the key can be
// neither opened nor created.
std::vector<AlarmRecord> readAlarmRecords(RegistryKey& settingsRoot);

}  // namespace zembrik
