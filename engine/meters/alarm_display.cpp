#include "engine/meters/alarm_display.h"

#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"

namespace zembrik {

namespace {

std::u16string decimal(std::uint32_t value) {
  char16_t digits[10];
  int count = 0;
  do {
    digits[count++] = static_cast<char16_t>(u'0' + value % 10);
    value /= 10;
  } while (value != 0);
  std::u16string text;
  while (count > 0) text.push_back(digits[--count]);
  return text;
}

}  // namespace

std::u16string RegistryAlarmNames::nameOf(std::int32_t number) {
  std::u16string path(kSettingsRootPath);
  path += u"\\alarms";
  auto alarms = currentUser_.openSubkey(path, kKeyRead);
  if (!alarms)
    return {};
  // The number is written as "%u": the host's numbers are never negative.
  auto name = readText(*alarms.key, u"name_" + decimal(static_cast<std::uint32_t>(number)));
  return name.value_or(std::u16string{});
}

void AlarmDisplay::appendText(std::int32_t number, AlarmNames& names) {
  std::u16string name =
      number == kBatteryAlarmNumber ? std::u16string(kBatteryAlarmText) : names.nameOf(number);
  if (name.empty())
    return;
  if (!text_.empty())
    text_.push_back(u'\n');
  text_ += name;
}

void AlarmDisplay::alarmOn(std::int32_t number, AlarmNames& names, bool& repaintEveryTick) {
  alarmActive_ = true;
  if (ringing_.insert(number).second)
    appendText(number, names);
  repaintEveryTick = true;
}

void AlarmDisplay::alarmOff(std::int32_t number, AlarmNames& names, bool& repaintEveryTick) {
  ringing_.erase(number);
  text_.clear();
  if (ringing_.empty()) {
    alarmActive_ = false;
  } else {
    for (std::int32_t still : ringing_) appendText(still, names);
  }
  repaintEveryTick = true;
}

void AlarmDisplay::dismiss() noexcept {
  text_.clear();
  alarmActive_ = false;
  ringing_.clear();
}

void AlarmDisplay::checkBattery(int percent, int threshold, AlarmNames& names,
                                bool& repaintEveryTick) {
  if (percent < threshold && percent >= 0 && percent <= 100) {
    if (!batteryAlarmActive_) {
      alarmOn(kBatteryAlarmNumber, names, repaintEveryTick);
      batteryAlarmActive_ = true;
    }
  } else if (batteryAlarmActive_) {
    alarmOff(kBatteryAlarmNumber, names, repaintEveryTick);
    batteryAlarmActive_ = false;
  }
}

}  // namespace zembrik
