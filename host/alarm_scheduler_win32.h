#pragma once
// The host's alarm scheduler. The alarm records and their timing come with the alarms; until
// then these are the places the host calls, and they do nothing.
#include <windows.h>

#include "registry/registry_key.h"

namespace zembrik {

class AlarmScheduler {
 public:
  // At start-up and on MSG_RELOAD_ALARMS: the subkey `alarms` of the settings root.
  void readAlarms(RegistryKey& settingsRoot);
  // Every second: starts and stops ringing alarms on the main clock.
  void check(HWND trayClock);
};

}  // namespace zembrik
