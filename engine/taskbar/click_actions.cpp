#include "engine/taskbar/click_actions.h"

#include <algorithm>

#include "engine/settings/mouse_settings.h"

namespace zembrik {

ButtonOutcome decideButton(char action, bool buttonUp, int osGeneration, bool ctrlDown,
                           bool alarmActive) noexcept {
  if (alarmActive)
    return buttonUp ? ButtonOutcome::DismissAlarm : ButtonOutcome::Consume;
  if (action == kActionHost || osGeneration == 1 || ctrlDown)
    return ButtonOutcome::ToHost;
  if (action == kActionTaskbarMenu)
    return ButtonOutcome::TaskbarMenu;
  if (osGeneration == 7)
    return ButtonOutcome::NativeLeftClick;
  return buttonUp ? ButtonOutcome::Consume : ButtonOutcome::NativeCalendarDown;
}

namespace {

// Distance back from the clock's far edge; at least one pixel so the point stays on the clock.
int fromFarEdge(int clockExtent, int click, int nativeExtent) noexcept {
  return std::max(1, std::min(clockExtent - click, nativeExtent - 1));
}

}  // namespace

ScreenPoint taskbarMenuPoint(bool vertical, const ScreenRect& clockInTaskbar, ScreenPoint click,
                             int nativeWidth, int nativeHeight) noexcept {
  if (vertical) {
    int r = fromFarEdge(clockInTaskbar.height(), click.y, nativeHeight);
    return {clockInTaskbar.left + click.x, clockInTaskbar.bottom - r};
  }
  int r = fromFarEdge(clockInTaskbar.width(), click.x, nativeWidth);
  return {clockInTaskbar.right - r, clockInTaskbar.top + click.y};
}

}  // namespace zembrik
