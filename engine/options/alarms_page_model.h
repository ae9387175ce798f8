#pragma once
// The Alarms page without its window: the alarms of the `alarms` key, the order the table shows
// them in, the selected row, and every change the page makes, written through the shared record
// writer so that the host reads back what the page stored. The current local time is passed in.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/alarms/alarm_record.h"
#include "engine/format/calendar_time.h"
#include "engine/options/alarm_details.h"
#include "engine/options/alarm_rows.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

// An alarm as the page keeps it. Until its `alarm_N` value is read its time and date are -1.
struct PageAlarm {
  AlarmRecord record;
  std::u16string name;
};

// The number after "alarm_" or "name_" in a value name; nothing for other names, names without
// digits right after the prefix, negative numbers and numbers beyond 32 bits.
struct AlarmValueName {
  bool isRecord = false;  // "alarm_N"; otherwise "name_N"
  std::int32_t number = 0;
};
std::optional<AlarmValueName> parseAlarmValueName(std::u16string_view name);

// The number for a new alarm: the largest in use + 1, 1 when there is none; when the largest is
// the top of the range, the lowest free number.
std::int32_t newAlarmNumber(const std::vector<std::int32_t>& numbersInUse);

// The error shown when the `alarms` key refuses a change.
std::u16string alarmsRegistryError();

class AlarmsPageModel {
 public:
  // `settingsRoot` is HKCU\Software\OBR\Zembrik; `notifyReload` tells the host and the primary
  // clock to read the alarms again, after every change that was stored.
  AlarmsPageModel(RegistryKey& settingsRoot, std::function<void()> notifyReload);

  // Reads every alarm (values from the last to the first), then sorts them for `now`. An
  // `alarms` key that cannot be opened gives an empty list.
  void load(const CalendarTime& now);

  std::size_t rows() const { return order_.size(); }  // table rows below the header
  const PageAlarm& alarmInRow(std::size_t row) const { return alarms_[order_[row]]; }

  // Row texts for `now`. An enabled alarm that will never ring again is from now on shown as
  // disabled (in memory only).
  AlarmRowTexts rowTexts(std::size_t row, const CalendarTime& now);

  // Sorts for `now`: seconds to the next ringing (never: last), enabled first, name, position.
  // The selected alarm stays selected in its new row.
  void sort(const CalendarTime& now);

  std::optional<std::size_t> selectedRow() const { return selected_; }
  void select(std::optional<std::size_t> row);
  // "enable", or "disable" while the selected alarm is enabled.
  std::u16string_view switchButtonText() const;

  AlarmDetails detailsOfRow(std::size_t row, const CalendarTime& now) const;

  // Each change returns false, and changes nothing in memory, when the registry refused it; the
  // page then shows alarmsRegistryError(). On success the list is sorted again for `now`.
  bool add(const AlarmDetails& details, const CalendarTime& now);
  bool edit(std::size_t row, const AlarmDetails& details, const CalendarTime& now);
  bool switchSelected(const CalendarTime& now);
  bool remove(std::size_t row);

 private:
  bool write(const PageAlarm& alarm);
  std::uint64_t sortKey(std::size_t index, const CalendarTime& now);

  RegistryKey& settingsRoot_;
  std::function<void()> notifyReload_;
  std::vector<PageAlarm> alarms_;
  std::vector<std::size_t> order_;  // row r shows alarms_[order_[r]]
  std::optional<std::size_t> selected_;
};

}  // namespace zembrik
