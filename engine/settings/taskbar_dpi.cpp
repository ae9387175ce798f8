#include "engine/settings/taskbar_dpi.h"

namespace zembrik {

bool taskbarDpiChanged(int& dpi, MonitorSource& monitors, WindowId taskbar) {
  const int current = monitors.windowDpi(taskbar);
  if (current == dpi)
    return false;
  dpi = current;
  return true;
}

}  // namespace zembrik
