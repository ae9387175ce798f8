#include "hook/clock_mouse.h"

#include <windowsx.h>

#include "engine/protocol/window_messages.h"
#include "engine/taskbar/click_actions.h"
#include "hook/addon_click.h"
#include "hook/clock_instance.h"
#include "hook/clock_theme.h"
#include "hook/clock_tooltip.h"
#include "hook/hook_state.h"
#include "hook/native_clock_proc.h"

namespace zembrik {

namespace {

void showLook(ClockInstance& clock, bool hover) {
  rebuildSurfaces(clock, hover);
  InvalidateRect(clock.clock, nullptr, TRUE);
}

bool isButtonUp(UINT message) {
  return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP ||
         message == WM_XBUTTONUP;
}

char actionFor(UINT message) {
  const MouseActions& actions = hookState().mouseActions;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return actions.left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return actions.right;
    default:
      return actions.middle;
  }
}

// The taskbar's own menu, asked for with a right button at a point the native clock would own.
void postTaskbarMenu(ClockInstance& clock, bool up, LPARAM lParam) {
  RECT rect{};
  GetWindowRect(clock.clock, &rect);
  MapWindowPoints(nullptr, clock.taskbar, reinterpret_cast<POINT*>(&rect), 2);
  ScreenPoint point =
      taskbarMenuPoint(clock.vertical, {rect.left, rect.top, rect.right, rect.bottom},
                       {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, packedWidth(clock.nativeSize),
                       packedHeight(clock.nativeSize));
  PostMessageA(clock.taskbar, up ? WM_RBUTTONUP : WM_RBUTTONDOWN, MK_RBUTTON,
               static_cast<LPARAM>(packPoint(point.x, point.y)));
}

}  // namespace

LRESULT onMouseMove(ClockInstance& clock) {
  HookState& state = hookState();
  if (clock.tooltip.tracking == kTrackingOff) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = clock.clock;
    track.dwHoverTime = HOVER_DEFAULT;
    if (TrackMouseEvent(&track))
      clock.tooltip.tracking = kTrackingArmed;
    showLook(clock, /*hover=*/true);
  }
  // The generation-7 taskbar follows the pointer only through hit tests.
  if (state.osGeneration == 7)
    SendMessageA(clock.taskbar, WM_NCHITTEST, 0, static_cast<LPARAM>(GetMessagePos()));
  return 0;
}

LRESULT onMouseHover(ClockInstance& clock, HWND window) {
  if (clock.tooltip.tracking <= kTrackingOff)
    return 0;
  clock.tooltip.tracking = kTrackingHover;
  const bool alarmText = clock.alarms.alarmActive() && !clock.alarms.text().empty();
  if (showsOwnTooltip(hookState().osGeneration, !clock.config.tooltipFormat.empty(), alarmText)) {
    showTooltip(clock);
  } else {
    callNative(clock, window, MSG_NATIVE_TIP, 1, 0);
  }
  return 0;
}

LRESULT onMouseLeave(ClockInstance& clock, HWND window) {
  if (clock.tooltip.tracking == kTrackingOff)
    return 0;
  // Even after a click the tooltip is taken down once more: activation is idempotent.
  clock.tooltip.tracking = kTrackingHover;
  takeDownTooltip(clock);
  if (nativeTipGeneration(hookState().osGeneration))
    callNative(clock, window, MSG_NATIVE_TIP, 0, 0);
  clock.tooltip.tracking = kTrackingOff;
  showLook(clock, /*hover=*/false);
  return 0;
}

LRESULT onMouseButton(ClockInstance& clock, HWND window, UINT message, WPARAM wParam,
                      LPARAM lParam) {
  takeDownTooltip(clock);
  if (forwardToHost(clock, message, wParam, lParam, /*addonTest=*/true, /*addonsOnly=*/true))
    return 0;
  const bool up = isButtonUp(message);
  // The message's own key state as well: it is the state at the click, also where the shell's
  // thread has not read the key itself.
  const bool ctrl = GetKeyState(VK_CONTROL) < 0 || (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL);
  switch (decideButton(actionFor(message), up, hookState().osGeneration, ctrl,
                       clock.alarms.alarmActive())) {
    case ButtonOutcome::DismissAlarm:
      clock.alarms.dismiss();
      InvalidateRect(clock.clock, nullptr, FALSE);
      return 0;
    case ButtonOutcome::Consume:
      return 0;
    case ButtonOutcome::ToHost:
      forwardToHost(clock, message, wParam, lParam, /*addonTest=*/true, /*addonsOnly=*/false);
      return 0;
    case ButtonOutcome::TaskbarMenu:
      postTaskbarMenu(clock, up, lParam);
      return 0;
    case ButtonOutcome::NativeLeftClick:
      return callNative(clock, window, up ? WM_LBUTTONUP : WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    case ButtonOutcome::NativeCalendarDown:
      return callNative(clock, window, MSG_NATIVE_CLICK, wParam, 0);
  }
  return 0;
}

bool forwardToHost(ClockInstance& clock, UINT message, WPARAM wParam, LPARAM lParam, bool addonTest,
                   bool addonsOnly) {
  HWND host = currentHostWindow();
  HWND target = addonsOnly ? nullptr : host;
  if (addonTest) {
    if (std::optional<AddonClick> addon = addonUnderClick(clock, wParam, lParam)) {
      target = addon->window;
      wParam = addon->wParam;
      lParam = addon->lParam;
    }
  }
  if (!target)
    return false;
  if (target == host && hookState().clockByWindow.size() > 1) {
    PostMessageA(host, MSG_CLOCK_CLICKED, reinterpret_cast<WPARAM>(clock.clock),
                 reinterpret_cast<LPARAM>(clock.taskbar));
  }
  PostMessageA(target, message, wParam, lParam);
  return true;
}

}  // namespace zembrik
