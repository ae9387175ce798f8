#pragma once
// The host's alarm scheduler over the system clock, the tick count and posted messages to the
// main tray clock.
#include <windows.h>

#include "engine/alarms/alarm_schedule.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

class AlarmScheduler {
 public:
  // At start-up and on MSG_RELOAD_ALARMS: the subkey `alarms` of the settings root (created
  // empty when missing). An alarm ringing at a reload that is gone gets MSG_ALARM_OFF.
  void readAlarms(RegistryKey& settingsRoot, HWND trayClock);
  // Every second: MSG_ALARM_ON and MSG_ALARM_OFF to the main clock; nothing is posted while the
  // clock is not known.
  void check(HWND trayClock);

 private:
  AlarmSchedule schedule_;
};

}  // namespace zembrik
