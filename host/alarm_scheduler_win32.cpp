#include "alarm_scheduler_win32.h"

namespace zembrik {

void AlarmScheduler::readAlarms(RegistryKey&) {}
void AlarmScheduler::check(HWND) {}

}  // namespace zembrik
