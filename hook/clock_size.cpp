#include "hook/clock_size.h"

#include <commctrl.h>

#include "engine/protocol/window_messages.h"
#include "engine/settings/taskbar_dpi.h"
#include "engine/taskbar/size_negotiation.h"
#include "hook/clock_attach.h"
#include "hook/clock_paint.h"
#include "hook/clock_services.h"
#include "hook/clock_theme.h"
#include "hook/hook_state.h"
#include "hook/native_clock_proc.h"
#include "hook/subclass_chain.h"
#include "platform/win32/caught_exception_win32.h"
#include "platform/win32/window_id_win32.h"

namespace zembrik {

namespace {

// Sets "in own move" for the duration of the library's own SetWindowPos calls. The move runs the
// shell's procedures, which may destroy the clock and so detach it: the flag is cleared through a
// fresh look-up.
class OwnMove {
 public:
  explicit OwnMove(ClockInstance& clock) : window_(clock.clock) { clock.inOwnMove = true; }
  ~OwnMove() {
    if (ClockInstance* clock = findAttachedClock(window_))
      clock->inOwnMove = false;
  }
  OwnMove(const OwnMove&) = delete;
  OwnMove& operator=(const OwnMove&) = delete;

 private:
  HWND window_;
};

void placeNeighbours(ClockInstance& clock) {
  // Before its first measurement the clock's wanted size is unknown, not zero: shifting by
  // "measured minus native" would move the neighbours by the whole native size.
  if (clock.measuredSize == 0)
    return;
  const HWND clockWindow = clock.clock;
  POINT origin{0, 0};
  MapWindowPoints(clock.clock, clock.notify, &origin, 1);
  const int dx = packedWidth(clock.measuredSize) - packedWidth(clock.nativeSize);
  const int dy = packedHeight(clock.measuredSize) - packedHeight(clock.nativeSize);
  for (HWND child = GetWindow(clock.notify, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, clock.notify, reinterpret_cast<POINT*>(&rect), 2);
    NeighbourInput input{child == clock.showDesktopButton, clock.hideShowDesktop != 0,
                         child == clock.clock, rect.left, rect.top};
    switch (neighbourMove(input, clock.vertical, origin.x, origin.y, clock.nativeSize,
                          clock.measuredSize)) {
      case NeighbourMove::ShrinkToNothing:
        SetWindowPos(child, nullptr, rect.left, rect.top, 0, 0, SWP_NOACTIVATE | SWP_NOZORDER);
        break;
      case NeighbourMove::Shift:
        SetWindowPos(child, nullptr, clock.vertical ? rect.left : rect.left + dx,
                     clock.vertical ? rect.top + dy : rect.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        break;
      case NeighbourMove::PlaceClock: {
        OwnMove own(clock);
        int width =
            clock.vertical ? packedWidth(clock.nativeSize) : packedWidth(clock.measuredSize);
        int height =
            clock.vertical ? packedHeight(clock.measuredSize) : packedHeight(clock.nativeSize);
        SetWindowPos(child, nullptr, rect.left, rect.top, width, height,
                     SWP_NOACTIVATE | SWP_NOZORDER);
        break;
      }
      case NeighbourMove::Leave:
        break;
    }
    // Each move ran the shell's procedures; a clock they destroyed has nothing left to place.
    if (findAttachedClock(clockWindow) != &clock)
      return;
  }
}

}  // namespace

bool isVerticalTaskbar(const ClockInstance& clock) {
  RECT clockRect{};
  GetWindowRect(clock.clock, &clockRect);
  if (clock.rebar) {
    RECT rebar{};
    GetWindowRect(clock.rebar, &rebar);
    return rebar.bottom < clockRect.top;
  }
  RECT taskbar{};
  GetWindowRect(clock.taskbar, &taskbar);
  return (taskbar.right - taskbar.left) < (taskbar.bottom - taskbar.top);
}

PackedSize measureClock(ClockInstance& clock) {
  clock.measuredSize = atLeastOnePixel(measureFace(clock));
  InvalidateRect(clock.clock, nullptr, FALSE);
  return clock.measuredSize;
}

PackedSize answerSizeQuery(ClockInstance& clock, bool forced) {
  HookState& state = hookState();
  if (clock.visibilityState != VisibilityState::Visible)
    return 0;
  const HWND window = clock.clock;
  const bool vertical = isVerticalTaskbar(clock);
  if (forced || vertical != clock.vertical) {
    clock.vertical = vertical;
    reloadClockSettings(clock);
    releaseSurfaces(clock);
    applyFlatTray(clock);
    if (findAttachedClock(window) != &clock)
      return 0;  // the shell destroyed the clock while its style changed
    // A themed taskbar may keep its old layout for an unchanged size: the answer is one pixel
    // wider until the next tick, which asks the taskbar to lay out again.
    state.relayoutPending = state.theme.themeActive();
    resizeClock(clock, /*restore=*/false);
    if (findAttachedClock(window) != &clock)
      return 0;  // destroyed while it moved
    PostMessageA(clock.taskbar, WM_SIZE, 0, 0);
  }
  PackedSize answer = measureClock(clock);
  clock.sizeAnswered = true;
  if (clock.hideShowDesktop && state.osGeneration < 7) {
    answer =
        adjustForHiddenShowDesktop(answer, clock.showDesktopSize, clock.nativeSize, clock.vertical);
  }
  clock.answeredSize = answer;
  return state.relayoutPending ? answer + 1 : answer;
}

void resizeClock(ClockInstance& clock, bool restore) {
  if (!restore && taskbarDpiChanged(clock.dpi, hookState().monitors, windowIdOf(clock.taskbar)))
    reloadClockSettings(clock);
  if (clock.isMain()) {
    PostMessageA(clock.taskbar, WM_SIZE, 0, 0);
    PostMessageA(clock.notify, WM_SIZE, 0, 0);
    PostMessageA(clock.clock, WM_NULL, 0, 0);
    return;
  }
  const HWND clockWindow = clock.clock;
  RECT window{};
  GetWindowRect(clock.clock, &window);
  MapWindowPoints(nullptr, clock.taskbar, reinterpret_cast<POINT*>(&window), 2);
  HWND sibling = GetWindow(clock.clock, GW_HWNDPREV);
  RECT siblingClient{};
  if (sibling)
    GetClientRect(sibling, &siblingClient);
  int wantedWidth = clock.widthAtAttach;
  int wantedHeight = clock.heightAtAttach;
  if (!restore) {
    PackedSize measured = measureClock(clock);
    wantedWidth = packedWidth(measured);
    wantedHeight = packedHeight(measured);
  }
  SecondaryPlacement placed = placeSecondaryClock(
      Rect{window.left, window.top, window.right, window.bottom}, siblingClient.right,
      siblingClient.bottom, wantedWidth, wantedHeight, clock.vertical);
  OwnMove own(clock);
  if (sibling) {
    SetWindowPos(sibling, nullptr, 0, 0, placed.siblingWidth, placed.siblingHeight,
                 SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
    // The band's move ran the shell's procedures, which may have destroyed the taskbar.
    if (!IsWindow(clockWindow))
      return;
  }
  SetWindowPos(clockWindow, nullptr, placed.clock.left, placed.clock.top, placed.clock.width(),
               placed.clock.height(), SWP_NOACTIVATE | SWP_NOZORDER);
}

LRESULT onWindowPosChanging(ClockInstance& clock, HWND window, WPARAM wParam, LPARAM lParam) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
  if (clock.isMain() && !clock.inOwnMove && clock.visibilityState == VisibilityState::Visible &&
      pos && !(pos->flags & SWP_NOSIZE)) {
    if (isVerticalTaskbar(clock) == clock.vertical) {
      clock.nativeSize = packSize(pos->cx, pos->cy);
    } else {
      PostMessageA(clock.clock, MSG_GET_SIZE, 0, 0);
    }
  }
  return callNative(clock, window, WM_WINDOWPOSCHANGING, wParam, lParam);
}

LRESULT onWindowPosChanged(ClockInstance& clock, HWND window, WPARAM wParam, LPARAM lParam) {
  if (clock.visibilityState == VisibilityState::ShownAfterHiddenAtAttach) {
    if (HWND host = currentHostWindow()) {
      PostMessageA(host, MSG_CLOCK_SHOWN, reinterpret_cast<WPARAM>(clock.clock), kClockShownMark);
    }
  }
  const WNDPROC native = clock.nativeClockProc;
  if (!clock.inOwnMove) {
    if (isVerticalTaskbar(clock) != clock.vertical) {
      PostMessageA(clock.clock, MSG_GET_SIZE, 0, 0);
    } else if (!clock.isMain() && clock.visibilityState == VisibilityState::Visible) {
      resizeClock(clock, /*restore=*/false);
      // Moving it ran the shell's procedures: a clock destroyed meanwhile is owed nothing.
      if (!IsWindow(window))
        return 0;
    }
  }
  return CallWindowProcA(native, window, WM_WINDOWPOSCHANGED, wParam, lParam);
}

namespace {

// A pager's size calculation in the notification area moves its parts: the neighbours of the
// clock are placed again.
LRESULT afterNotifyAreaNotify(ClockInstance& clock, LPARAM lParam, LRESULT nativeResult) {
  if (lParam && reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(PGN_CALCSIZE))
    placeNeighbours(clock);
  return nativeResult;
}

// The notification area's own answer grows by what the clock face wants beyond the native clock.
LRESULT afterNotifyAreaSizeQuery(ClockInstance& clock, LRESULT nativeResult) {
  if (clock.visibilityState != VisibilityState::Visible)
    return nativeResult;
  const bool verticalBefore = clock.vertical;
  const PackedSize nativeBefore = clock.nativeSize;
  const HWND clockWindow = clock.clock;
  const PackedSize answer = answerSizeQuery(clock, /*forced=*/false);
  const ClockInstance* answered = findAttachedClock(clockWindow);
  if (answered != &clock)
    return nativeResult;  // the clock went while it answered: the native size stands
  return static_cast<LRESULT>(notificationAreaAnswer(static_cast<PackedSize>(nativeResult), answer,
                                                     answered->vertical, nativeBefore,
                                                     verticalBefore));
}

}  // namespace

LRESULT CALLBACK notifyAreaProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC native = nullptr;
  bool nativeCalled = false;
  LRESULT nativeResult = 0;
  try {
    HookState& state = hookState();
    auto found = state.clockByNotifyWindow.find(window);
    if (found == state.clockByNotifyWindow.end()) {
      return forwardLeftWindow(window, message, wParam, lParam);
    }
    native = found->second->nativeNotifyProc;
    nativeResult = CallWindowProcA(native, window, message, wParam, lParam);
    nativeCalled = true;
    // The native procedure may have destroyed the notification area and its clock with it.
    found = state.clockByNotifyWindow.find(window);
    if (found == state.clockByNotifyWindow.end())
      return nativeResult;
    ClockInstance& clock = *found->second;
    switch (message) {
      case WM_NOTIFY:
        return afterNotifyAreaNotify(clock, lParam, nativeResult);
      case MSG_GET_SIZE:
        return afterNotifyAreaSizeQuery(clock, nativeResult);
      default:
        return nativeResult;
    }
  } catch (...) {
    recordCaughtException(L"notifyAreaProc");
  }
  // The notification area then behaves as without the clock's share.
  if (nativeCalled)
    return nativeResult;
  if (!native)
    return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(native, window, message, wParam, lParam);
}

}  // namespace zembrik
