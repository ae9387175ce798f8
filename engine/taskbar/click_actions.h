#pragma once
// What a mouse button on the clock does, decided from the button's action byte, the Windows
// generation, the Ctrl key and a ringing alarm; and where the taskbar menu is asked for.
#include "engine/taskbar/tooltip_placement.h"

namespace zembrik {

enum class ButtonOutcome {
  DismissAlarm,        // a button-up on a ringing clock: the alarm display ends, nothing else
  Consume,             // return 0 and do nothing
  ToHost,              // forward to the host window
  TaskbarMenu,         // post the right button to the taskbar inside the native clock's part
  NativeLeftClick,     // generation 7: the native procedure gets the left button
  NativeCalendarDown,  // older generations: the native procedure gets its calendar message
};

ButtonOutcome decideButton(char action, bool buttonUp, int osGeneration, bool ctrlDown,
                           bool alarmActive) noexcept;

// On hover: our own tooltip, or else the native clock's.
constexpr bool nativeTipGeneration(int osGeneration) noexcept {
  return osGeneration >= 2 && osGeneration <= 6;
}
constexpr bool showsOwnTooltip(int osGeneration, bool hasTooltipFormat,
                               bool alarmTextShown) noexcept {
  return !nativeTipGeneration(osGeneration) || hasTooltipFormat || alarmTextShown;
}

// The point, in taskbar client coordinates, where the taskbar's own menu is asked for: as far
// from the clock's far edge as the click was, but inside the part the native clock would fill.
// `clockInTaskbar` is the clock's rectangle in taskbar client coordinates, `click` the click in
// clock client coordinates.
ScreenPoint taskbarMenuPoint(bool vertical, const ScreenRect& clockInTaskbar, ScreenPoint click,
                             int nativeWidth, int nativeHeight) noexcept;

}  // namespace zembrik
