#pragma once
// A clock's fonts follow the DPI of its taskbar, which can change while the shell runs.
#include "engine/settings/clock_config.h"
#include "engine/settings/monitor_source.h"

namespace zembrik {

// Reads the taskbar's DPI again, as every layout that measures anew does first. True when it
// differs from `dpi`, which then takes the new value: the caller loads the settings again so that
// the fonts are made for the new scale.
bool taskbarDpiChanged(int& dpi, MonitorSource& monitors, WindowId taskbar);

}  // namespace zembrik
