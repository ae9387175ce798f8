#include "hook/clock_window_proc.h"

#include "engine/protocol/window_messages.h"
#include "hook/addon_messages.h"
#include "hook/clock_attach.h"
#include "hook/clock_mouse.h"
#include "hook/clock_native_timers.h"
#include "hook/clock_paint.h"
#include "hook/clock_services.h"
#include "hook/clock_size.h"
#include "hook/clock_theme.h"
#include "hook/clock_tick.h"
#include "hook/clock_tooltip.h"
#include "hook/hook_state.h"
#include "hook/native_clock_proc.h"
#include "hook/subclass_chain.h"
#include "platform/win32/caught_exception_win32.h"

namespace zembrik {

namespace {

void repaint(ClockInstance& clock) {
  InvalidateRect(clock.clock, nullptr, FALSE);
}

LRESULT onPaint(ClockInstance& clock) {
  paintClockWindow(clock);
  return 0;
}

// WM_TIMER: the clock's own timer ticks; id 0 is the keyboard hook's nudge. Any other id is one
// of the native clock's own timers, there to repaint the native face, which no longer shows:
// passed on, it would repaint every face at the native clock's rate, so it ends here, and the
// timer is paused until the clock is given back.
LRESULT onTimer(ClockInstance& clock, WPARAM id) {
  if (id == TICK_TIMER_ID) {
    runTick(clock, /*timeChanged=*/false);
  } else if (id == 0) {
    takeLockKeyNudge(clock);
  } else {
    pauseNativeTimer(clock, id);
  }
  return 0;
}

LRESULT onShowWindow(ClockInstance& clock, HWND window, WPARAM wParam, LPARAM lParam) {
  if (wParam) {
    clock.visibilityState = clock.visibilityState == VisibilityState::HiddenAtAttach
                                ? VisibilityState::ShownAfterHiddenAtAttach
                                : VisibilityState::Visible;
  } else if (clock.visibilityState == VisibilityState::Visible) {
    clock.visibilityState = VisibilityState::HiddenAfterAttach;
  }
  return callNative(clock, window, WM_SHOWWINDOW, wParam, lParam);
}

LRESULT onColoursChanged(ClockInstance& clock) {
  refreshLook(clock);
  repaint(clock);
  return 0;
}

LRESULT onRearm(ClockInstance& clock) {
  hookState().rescanArmed = true;
  return onColoursChanged(clock);
}

LRESULT onReload(ClockInstance& clock) {
  if (clock.visibilityState != VisibilityState::Visible) {
    // A hidden clock is not laid out, but it must show the new settings once it is shown.
    reloadClockSettings(clock);
    releaseSurfaces(clock);
    return 0;
  }
  answerSizeQuery(clock, /*forced=*/true);
  return 0;
}

LRESULT onAlarm(ClockInstance& clock, bool on, WPARAM number) {
  ClockServices& services = hookState().services;
  const auto alarm = static_cast<std::int32_t>(number);
  if (on) {
    clock.alarms.alarmOn(alarm, services.alarmNames, clock.repaintEveryTick);
  } else {
    clock.alarms.alarmOff(alarm, services.alarmNames, clock.repaintEveryTick);
  }
  repaint(clock);
  return 0;
}

LRESULT toHost(ClockInstance& clock, UINT message, WPARAM wParam, LPARAM lParam, bool addonTest) {
  forwardToHost(clock, message, wParam, lParam, addonTest, /*addonsOnly=*/false);
  return 0;
}

// A taskbar that goes away (a monitor unplugged) destroys its clock: the clock detaches, and the
// shell's own clock procedure still gets its WM_DESTROY to clean up after itself.
LRESULT onDestroy(ClockInstance& clock, HWND window, WPARAM wParam, LPARAM lParam) {
  const WNDPROC native = clock.nativeClockProc;
  detachClock(window);
  return native ? CallWindowProcA(native, window, WM_DESTROY, wParam, lParam) : 0;
}

LRESULT onNotify(ClockInstance& clock, HWND window, WPARAM wParam, LPARAM lParam) {
  if (answerTooltipText(clock, lParam))
    return 0;
  return callNative(clock, window, WM_NOTIFY, wParam, lParam);
}

LRESULT onDetach(HWND window) {
  detachClock(window);
  return 0;
}

LRESULT onRepaintRequest(ClockInstance& clock) {
  repaint(clock);
  return 0;
}

// On generation 3 the native clock takes the new settings first; then the clock rescans.
LRESULT onSettingChange(ClockInstance& clock, HWND window, WPARAM wParam, LPARAM lParam) {
  if (hookState().osGeneration == 3) {
    callNative(clock, window, WM_SETTINGCHANGE, wParam, lParam);
    // The native procedure may have destroyed the window, and the instance with it.
    if (findAttachedClock(window) != &clock)
      return 0;
  }
  return onRearm(clock);
}

LRESULT onTimeChange(ClockInstance& clock) {
  runTick(clock, /*timeChanged=*/true);
  return 0;
}

// The host asks the shell's thread, which may set the foreground, to bring a window of its own
// forward.
LRESULT onSetForeground(WPARAM window) {
  SetForegroundWindow(reinterpret_cast<HWND>(window));
  return 0;
}

LRESULT dispatch(ClockInstance& clock, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      return onDestroy(clock, window, wParam, lParam);
    case MSG_DETACH:
      return onDetach(window);
    case WM_SIZE:
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case MSG_REPAINT:
      return onRepaintRequest(clock);
    case WM_PAINT:
      return onPaint(clock);
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
      return onColoursChanged(clock);
    case WM_SHOWWINDOW:
      return onShowWindow(clock, window, wParam, lParam);
    case WM_SETTINGCHANGE:
      return onSettingChange(clock, window, wParam, lParam);
    case MSG_REARM:
      return onRearm(clock);
    case WM_TIMECHANGE:
      return onTimeChange(clock);
    case WM_MOUSEACTIVATE:
      return MA_ACTIVATE;
    case WM_WINDOWPOSCHANGING:
      return onWindowPosChanging(clock, window, wParam, lParam);
    case WM_WINDOWPOSCHANGED:
      return onWindowPosChanged(clock, window, wParam, lParam);
    case MSG_GET_SIZE:
      return static_cast<LRESULT>(answerSizeQuery(clock, /*forced=*/false));
    case WM_MOUSEMOVE:
      return onMouseMove(clock);
    case WM_MOUSEHOVER:
      return onMouseHover(clock, window);
    case WM_MOUSELEAVE:
      return onMouseLeave(clock, window);
    case WM_NOTIFY:
      return onNotify(clock, window, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP:
      return onMouseButton(clock, window, message, wParam, lParam);
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
      return toHost(clock, message, wParam, lParam, /*addonTest=*/true);
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
    case WM_DROPFILES:
      return toHost(clock, message, wParam, lParam, /*addonTest=*/false);
    case WM_NCHITTEST:
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_NCRBUTTONUP:
    case 0x02E0:  // WM_DPICHANGED, which headers for the oldest Windows do not declare
      return 0;
    case WM_TIMER:
      return onTimer(clock, wParam);
    case MSG_SET_FOREGROUND:
      return onSetForeground(wParam);
    case MSG_RELOAD:
      return onReload(clock);
    case MSG_ADDON_REGISTER:
      return onAddonRegister(clock, wParam, lParam);
    case MSG_ADDON_UNREGISTER:
      return onAddonUnregister(clock, wParam);
    case MSG_ALARM_ON:
      return onAlarm(clock, /*on=*/true, wParam);
    case MSG_ALARM_OFF:
      return onAlarm(clock, /*on=*/false, wParam);
    default:
      // Among others the middle and X double clicks: the native clock's.
      return callNative(clock, window, message, wParam, lParam);
  }
}

// A lock key changed: every clock that shows lock-key states gets a nudge (a WM_TIMER with id
// 0) and repaints at once instead of at its next tick.
LRESULT CALLBACK lockKeyProc(int code, WPARAM wParam, LPARAM lParam) {
  try {
    if (code == HC_ACTION && lParam) {
      const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
      if (key->vkCode == VK_CAPITAL || key->vkCode == VK_NUMLOCK || key->vkCode == VK_SCROLL) {
        const LockKey lockKey = key->vkCode == VK_CAPITAL   ? LockKey::Caps
                                : key->vkCode == VK_NUMLOCK ? LockKey::Num
                                                            : LockKey::Scroll;
        clockServices().lockKeys.noteKeyEvent(lockKey, (key->flags & LLKHF_UP) == 0);
        for (const auto& [window, clock] : hookState().clockByWindow) {
          if (clock->lockKeysShown)
            PostMessageA(window, WM_TIMER, 0, 0);
        }
      }
    }
  } catch (...) {
    recordCaughtException(L"lockKeyProc");
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// What the shell gets when handling a message threw: a painted window counts as painted (else
// WM_PAINT comes back at once, for ever), a detach is done whatever failed in it, and anything
// else goes to the native procedure as if the clock did not handle it.
LRESULT fallBack(HWND window, UINT message, WPARAM wParam, LPARAM lParam, WNDPROC native) {
  switch (message) {
    case WM_PAINT:
      ValidateRect(window, nullptr);
      return 0;
    case MSG_DETACH:
      return 0;
    default:
      if (!native)
        return DefWindowProcA(window, message, wParam, lParam);
      return CallWindowProcA(native, window, message, wParam, lParam);
  }
}

}  // namespace

bool anyClockShowsLockKeys() {
  for (const auto& [window, clock] : hookState().clockByWindow) {
    if (clock->lockKeysShown)
      return true;
  }
  return false;
}

void updateLockKeyHook(bool wanted) {
  HookState& state = hookState();
  if (wanted && !state.lockKeyHook) {
    state.lockKeyHook.reset(
        SetWindowsHookExA(WH_KEYBOARD_LL, lockKeyProc, GetModuleHandleA(nullptr), 0));
    // The states kept since the last read may have changed before the hook saw any key.
    state.services.lockKeys.forget();
  } else if (!wanted && state.lockKeyHook) {
    state.lockKeyHook.reset();
  }
}

LRESULT CALLBACK clockWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC native = nullptr;
  try {
    HookState& state = hookState();
    auto found = state.clockByWindow.find(window);
    // A window given back under a foreign subclass still calls us: pass its messages on.
    if (found == state.clockByWindow.end()) {
      return forwardLeftWindow(window, message, wParam, lParam);
    }
    native = found->second->nativeClockProc;
    return dispatch(*found->second, window, message, wParam, lParam);
  } catch (...) {
    recordCaughtException(L"clockWindowProc");
  }
  return fallBack(window, message, wParam, lParam, native);
}

}  // namespace zembrik
