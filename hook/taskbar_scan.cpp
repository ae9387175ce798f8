#include "hook/taskbar_scan.h"

#include "engine/protocol/window_messages.h"
#include "engine/taskbar/taskbar_order.h"

namespace zembrik {

namespace {

int scanMainTaskbar(std::vector<TaskbarRecord>& list) {
  HWND taskbar = FindWindowA("Shell_TrayWnd", "");
  if (!taskbar)
    return kFailNoTaskbar;
  HWND notify = FindWindowExA(taskbar, nullptr, "TrayNotifyWnd", "");
  if (!notify)
    return kFailNoNotificationArea;
  HWND clock = FindWindowExA(notify, nullptr, "TrayClockWClass", nullptr);
  if (!clock)
    return kFailNoClock;
  list.push_back(TaskbarRecord{RECT{}, clock, notify, taskbar});
  return 0;
}

Rect rectOf(const TaskbarRecord& record) {
  return Rect{record.rect.left, record.rect.top, record.rect.right, record.rect.bottom};
}

// Far more taskbars than monitors can exist: a bound on a walk through windows that other
// programs may reorder while it runs.
constexpr int kMaxSecondaryTaskbars = 64;

void scanSecondaryTaskbars(std::vector<TaskbarRecord>& list, ScanMode mode) {
  HWND taskbar = FindWindowA("Shell_SecondaryTrayWnd", "");
  for (int seen = 0; taskbar && seen < kMaxSecondaryTaskbars; ++seen) {
    if (HWND clock = FindWindowExA(taskbar, nullptr, "ClockButton", nullptr)) {
      TaskbarRecord record{RECT{}, clock, nullptr, taskbar};
      if (mode == ScanMode::Sorted) {
        GetWindowRect(taskbar, &record.rect);
        list.push_back(record);
        moveLastSecondaryIntoPlace(list, rectOf);
      } else {
        list.push_back(record);
      }
    }
    taskbar = FindWindowExA(nullptr, taskbar, "Shell_SecondaryTrayWnd", nullptr);
  }
}

}  // namespace

int scanTaskbars(std::vector<TaskbarRecord>& list, ScanMode mode) {
  int reason = scanMainTaskbar(list);
  if (reason == 0 || mode == ScanMode::Sorted)
    scanSecondaryTaskbars(list, mode);
  return reason;
}

}  // namespace zembrik
