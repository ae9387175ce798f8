// Secondary taskbars added, moved and removed at run time (standin_secondary_protocol.h).
#include <algorithm>

#include "tools/standin_taskbar/standin_secondary_protocol.h"
#include "tools/standin_taskbar/standin_shell_win32.h"

namespace standin {
namespace {

Rect toRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

BOOL CALLBACK collectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info)) {
    auto* monitors = reinterpret_cast<std::vector<MONITORINFO>*>(data);
    monitors->push_back(info);
  }
  return TRUE;
}

// Where a secondary taskbar on `edge` of monitor `number` goes; none for no such monitor.
std::optional<Rect> secondaryRect(int number, Edge edge) {
  std::vector<MONITORINFO> monitors;
  EnumDisplayMonitors(nullptr, nullptr, collectMonitor, reinterpret_cast<LPARAM>(&monitors));
  std::stable_partition(monitors.begin(), monitors.end(), [](const MONITORINFO& info) {
    return (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
  });
  if (number < 0 || static_cast<std::size_t>(number) >= monitors.size())
    return std::nullopt;
  return taskbarRect(toRect(monitors[static_cast<std::size_t>(number)].rcMonitor), edge,
                     defaultThickness(edge));
}

// The rectangle for a secondary taskbar on edge number `edge` of monitor `number`; none for a
// bad edge or monitor.
std::optional<Rect> placeFor(int number, long edge) {
  if (edge < 0 || edge > static_cast<long>(Edge::Right))
    return std::nullopt;
  return secondaryRect(number, static_cast<Edge>(edge));
}

}  // namespace

std::optional<Rect> Shell::secondaryOnMonitor(int number, Edge edge) const {
  return secondaryRect(number, edge);
}

void Shell::announceWorkAreaChange() {
  std::vector<HWND> clocks;
  for (const Bar& bar : bars_) clocks.push_back(bar.clock);
  // A clock's procedure may change the tree while it handles the message: only windows that still
  // exist get it.
  for (HWND clock : clocks) {
    if (IsWindow(clock))
      SendMessageW(clock, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
  }
}

LRESULT Shell::onSecondaryMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kMsgAddSecondary: {
      const std::optional<Rect> rect =
          placeFor(static_cast<int>(wParam), static_cast<long>(lParam));
      if (!rect || !createSecondary(*rect))
        return 0;
      const std::size_t index = bars_.size() - 1;
      ShowWindow(bars_.back().window.get(), SW_SHOWNOACTIVATE);
      announceWorkAreaChange();
      return static_cast<LRESULT>(index);
    }
    case kMsgMoveSecondary: {
      Bar* bar = barAt(wParam);
      const std::optional<Rect> rect =
          placeFor(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
      if (!bar || bar->main || !rect)
        return 0;
      const Rect to = *rect;
      bar->vertical = to.height() > to.width();
      SetWindowPos(bar->window.get(), nullptr, to.left, to.top, to.width(), to.height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
      if (Bar* moved = barAt(wParam))
        layoutSecondary(*moved);
      announceWorkAreaChange();
      return 1;
    }
    case kMsgRemoveSecondary: {
      if (wParam == 0 || wParam >= bars_.size())
        return 0;
      // Out of the list first: the windows' procedures look at bars_ while they are destroyed.
      Bar gone = std::move(bars_[wParam]);
      bars_.erase(bars_.begin() + static_cast<std::ptrdiff_t>(wParam));
      gone.window.reset();
      announceWorkAreaChange();
      return 1;
    }
    case kMsgNativeClockDestroys:
      return nativeClockDestroys_;
  }
  return 0;
}

}  // namespace standin
