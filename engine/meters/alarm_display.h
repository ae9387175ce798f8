#pragma once
// The alarm display of the main clock: which alarms ring (the host's and the battery alarm),
// the text the tooltip shows for them, and whether the face blinks.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "engine/registry/registry_key.h"

namespace zembrik {

// The alarm number reserved for the battery alarm, and its text.
inline constexpr std::int32_t kBatteryAlarmNumber = 0x7777777;
inline constexpr std::u16string_view kBatteryAlarmText = u"BATTERY LOW !!!";

// Where the names of the host's alarms come from.
class AlarmNames {
 public:
  virtual ~AlarmNames() = default;
  // The name of alarm `number`; empty when it has none.
  virtual std::u16string nameOf(std::int32_t number) = 0;
};

// Reads "name_%u" from `Software\OBR\Zembrik\alarms` at each request, so a renamed alarm shows
// its new name.
class RegistryAlarmNames final : public AlarmNames {
 public:
  explicit RegistryAlarmNames(RegistryKey& currentUser) noexcept : currentUser_(currentUser) {}
  std::u16string nameOf(std::int32_t number) override;

 private:
  RegistryKey& currentUser_;
};

class AlarmDisplay {
 public:
  // MSG_ALARM_ON. The face then repaints every tick.
  void alarmOn(std::int32_t number, AlarmNames& names, bool& repaintEveryTick);
  // MSG_ALARM_OFF. The text is made again from the alarms still ringing, in number order.
  void alarmOff(std::int32_t number, AlarmNames& names, bool& repaintEveryTick);
  // A click on the ringing clock. The battery alarm stays armed-off: it rings again only after
  // the charge has been at the threshold or above (or on mains power) and dropped again.
  void dismiss() noexcept;
  // Rings the battery alarm while 0 <= percent < threshold, stops it otherwise. -1 stands for
  // "no reading" (mains power, no battery, alarm switched off).
  void checkBattery(int percent, int threshold, AlarmNames& names, bool& repaintEveryTick);

  bool alarmActive() const noexcept { return alarmActive_; }
  bool batteryAlarmActive() const noexcept { return batteryAlarmActive_; }
  const std::set<std::int32_t>& ringing() const noexcept { return ringing_; }
  // The names of the ringing alarms joined by line feeds.
  const std::u16string& text() const noexcept { return text_; }

 private:
  void appendText(std::int32_t number, AlarmNames& names);

  bool alarmActive_ = false;
  bool batteryAlarmActive_ = false;
  std::set<std::int32_t> ringing_;
  std::u16string text_;
};

}  // namespace zembrik
