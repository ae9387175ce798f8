#include "hook/taskbar_scan.h"

#include "engine/protocol/window_messages.h"
#include "engine/taskbar/taskbar_order.h"

namespace zembrik {

namespace {

StartFailure scanMainTaskbar(std::vector<TaskbarRecord>& list) {
  HWND taskbar = FindWindowA("Shell_TrayWnd", "");
  if (!taskbar)
    return StartFailure::NoTaskbar;
  HWND notify = FindWindowExA(taskbar, nullptr, "TrayNotifyWnd", "");
  if (!notify)
    return StartFailure::NoNotificationArea;
  HWND clock = FindWindowExA(notify, nullptr, "TrayClockWClass", nullptr);
  if (!clock)
    return StartFailure::NoClock;
  list.push_back(TaskbarRecord{RECT{}, clock, notify, taskbar});
  return StartFailure::None;
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

StartFailure scanTaskbars(std::vector<TaskbarRecord>& list, ScanMode mode) {
  StartFailure reason = scanMainTaskbar(list);
  if (reason == StartFailure::None || mode == ScanMode::Sorted)
    scanSecondaryTaskbars(list, mode);
  return reason;
}

}  // namespace zembrik
