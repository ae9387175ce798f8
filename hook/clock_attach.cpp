#include "hook/clock_attach.h"

#include <memory>

#include "engine/names/name_loading.h"
#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "engine/settings/value_names.h"
#include "engine/taskbar/os_generation.h"
#include "hook/addon_reannounce.h"
#include "hook/clock_native_timers.h"
#include "hook/clock_paint.h"
#include "hook/clock_services.h"
#include "hook/clock_size.h"
#include "hook/clock_theme.h"
#include "hook/clock_tooltip.h"
#include "hook/clock_window_proc.h"
#include "hook/show_desktop_button.h"
#include "hook/subclass_chain.h"
#include "platform/win32/caught_exception_win32.h"
#include "platform/win32/format_platform_win32.h"
#include "platform/win32/os_version_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/window_id_win32.h"

namespace zembrik {

namespace {

void sendMouseLeave(HWND window) {
  if (window)
    SendMessageA(window, WM_MOUSELEAVE, 0, 0);
}

// The running-clock key lists every attached clock. It goes with the last one; a clock that goes
// while others stay (a late detach, a taskbar that closed) or leaves its index for another takes
// only its own entries with it.
// kNoEntries: a clock whose attach was rolled back, whose index may be another clock's.
constexpr int kNoEntries = -1;
void forgetRunningClock(const HookState& state, int clockIndex) {
  auto user = openCurrentUserRoot();
  auto root = user->openSubkey(kSettingsRootPath, kKeyReadWrite);
  if (!root)
    return;
  if (state.clockByWindow.empty()) {
    deleteKeyTree(*root.key, u"this");
    return;
  }
  auto self = root.key->openSubkey(u"this", kKeyReadWrite);
  if (!self || clockIndex == kNoEntries)
    return;
  // After a re-numbering another clock may hold the index, and the group is its own.
  for (const auto& [window, clock] : state.clockByWindow) {
    if (clock->clockIndex == clockIndex)
      return;
  }
  const std::u16string suffix = indexSuffix(clockIndex);
  for (const char16_t* name : {u"isVertical", u"hwndLo", u"hwndHi"})
    self.key->deleteValue(name + suffix);
}

std::unique_ptr<ClockInstance> newInstance(const TaskbarRecord& record, int clockIndex) {
  auto clock = std::make_unique<ClockInstance>(record.clock, hookState().theme);
  clock->taskbar = record.taskbar;
  clock->notify = record.notify;
  clock->clockIndex = clockIndex;
  clock->visibilityState = (GetWindowLongA(record.clock, GWL_STYLE) & WS_VISIBLE)
                               ? VisibilityState::Visible
                               : VisibilityState::HiddenAtAttach;
  return clock;
}

// Everything an instance needs before it takes over its window; changes no window.
void prepareClock(ClockInstance& clock) {
  HookState& state = hookState();
  clock.dpi = taskbarDpi(clock.taskbar);
  if (clock.visibilityState != VisibilityState::Visible) {
    clock.visibilityState = VisibilityState::HiddenAtAttach;
  } else {
    clock.vertical = isVerticalTaskbar(clock);
    RECT window{};
    GetWindowRect(clock.clock, &window);
    clock.widthAtAttach = window.right - window.left;
    clock.heightAtAttach = window.bottom - window.top;
    RECT client{};
    GetClientRect(clock.clock, &client);
    clock.nativeSize = packSize(client.right, client.bottom);
  }
  state.osGeneration = currentOsGeneration(state.osGeneration);
  reloadClockSettings(clock);
  clock.rebar = FindWindowExA(clock.taskbar, nullptr, "ReBarWindow32", nullptr);
  Win32LocaleSource locale;
  loadLocaleNames(hookState().names, locale);
}

// Takes the instance out of the maps; the windows must be given back already.
std::unique_ptr<ClockInstance> unregister(HookState& state, HWND clockWindow) {
  auto found = state.clockByWindow.find(clockWindow);
  if (found == state.clockByWindow.end())
    return nullptr;
  std::unique_ptr<ClockInstance> clock = std::move(found->second);
  state.clockByWindow.erase(found);
  if (clock->isMain())
    state.clockByNotifyWindow.erase(clock->notify);
  if (state.primaryClockWindow == clockWindow)
    state.primaryClockWindow = nullptr;
  updateLockKeyHook(anyClockShowsLockKeys());
  return clock;
}

// Gives the clock's windows back: the timer stops and every procedure of ours leaves the chains
// it entered (or keeps forwarding where another program subclassed on top of it).
void releaseWindows(ClockInstance& clock) {
  clock.tick.reset();
  destroyTooltip(clock);
  releaseShowDesktop(clock);
  if (clock.nativeNotifyProc)
    leaveChain(clock.notify, notifyAreaProc, clock.nativeNotifyProc);
  clock.nativeNotifyProc = nullptr;
  leaveChain(clock.clock, clockWindowProc, clock.nativeClockProc);
  clock.nativeClockProc = nullptr;
  resumeNativeTimers(clock);
}

// The instance goes (its painter, then its background) and, with the last clock, the
// visual-styles library.
void forgetClock(HookState& state, std::unique_ptr<ClockInstance> clock) {
  clock.reset();
  if (state.clockByWindow.empty())
    releaseThemeLibrary();
}

// A prepared instance on its way into the maps and its windows. Until commit() an exception or a
// refusal of Windows rolls everything back: no half-attached instance stays registered, and the
// window keeps (or gets back) its native procedure.
class PendingAttach {
 public:
  PendingAttach(HookState& state, std::unique_ptr<ClockInstance> fresh)
      : state_(state),
        window_(fresh->clock),
        clock_(fresh.get()),
        unregistered_(std::move(fresh)) {}
  ~PendingAttach() {
    if (committed_)
      return;
    releaseWindows(*clock_);
    restoreTrayEdge(*clock_);
    std::unique_ptr<ClockInstance> owned =
        unregistered_ ? std::move(unregistered_) : unregister(state_, window_);
    auto notify = state_.clockByNotifyWindow.find(clock_->notify);
    if (notify != state_.clockByNotifyWindow.end() && notify->second == clock_)
      state_.clockByNotifyWindow.erase(notify);
    try {
      // Preparing the instance listed it as running.
      forgetRunningClock(state_, kNoEntries);
    } catch (...) {
      recordCaughtException(L"PendingAttach");
    }
    forgetClock(state_, std::move(owned));
  }
  PendingAttach(const PendingAttach&) = delete;
  PendingAttach& operator=(const PendingAttach&) = delete;

  // The instance becomes findable by its windows before it takes them over: the first message
  // after the subclass needs it.
  void registerInstance() {
    if (clock_->isMain())
      state_.clockByNotifyWindow[clock_->notify] = clock_;
    state_.clockByWindow[window_] = std::move(unregistered_);
  }
  ClockInstance& clock() { return *clock_; }
  void commit() { committed_ = true; }

 private:
  HookState& state_;
  HWND window_;
  ClockInstance* clock_;
  std::unique_ptr<ClockInstance> unregistered_;  // owns the instance until it is registered
  bool committed_ = false;
};

// Applies the flat-tray style, subclasses the clock (and on generation 7 the notification area)
// and starts the tick. False when Windows refused the clock's subclass or the timer.
bool takeOverWindows(ClockInstance& clock) {
  applyFlatTray(clock);
  clock.nativeClockProc = enterChain(clock.clock, clockWindowProc);
  if (!clock.nativeClockProc)
    return false;
  createTooltip(clock, hookState().osGeneration);
  takeOverShowDesktop(clock);
  if (hookState().osGeneration > 6 && clock.isMain()) {
    // Without it the notification area keeps its native size: the clock still works.
    clock.nativeNotifyProc = enterChain(clock.notify, notifyAreaProc);
  }
  clock.tick = UniqueTimer(clock.clock, TICK_TIMER_ID, 1000);
  return clock.tick.active();
}

// The rest of a detach, once the windows are given back and the instance unregistered.
void restoreLayout(ClockInstance& clock) {
  releaseSurfaces(clock);
  if (HWND host = currentHostWindow()) {
    PostMessageA(host, MSG_GET_SIZE, reinterpret_cast<WPARAM>(clock.taskbar),
                 reinterpret_cast<LPARAM>(clock.clock));
  }
  restoreTrayEdge(clock);
  resizeClock(clock, /*restore=*/true);
  clock.config.cells.clear();
  forgetRunningClock(hookState(), clock.clockIndex);
}

}  // namespace

int currentOsGeneration(int previous) {
  return osGenerationFor(readOsVersion(), previous);
}

int taskbarDpi(HWND window) {
  return hookState().monitors.windowDpi(windowIdOf(window));
}

bool attachClock(const TaskbarRecord& record, int clockIndex) {
  HookState& state = hookState();
  pinLibraryInShell();
  if (record.notify)
    state.primaryClockWindow = record.clock;

  ClockInstance* clock = nullptr;
  if (auto found = state.clockByWindow.find(record.clock); found != state.clockByWindow.end()) {
    clock = found->second.get();
    const int previousIndex = clock->clockIndex;
    clock->clockIndex = clockIndex;
    // A re-numbered clock lists itself under its new index only.
    if (previousIndex != clockIndex)
      forgetRunningClock(state, previousIndex);
    reloadClockSettings(*clock);
  } else {
    sendMouseLeave(record.clock);
    sendMouseLeave(record.notify);
    sendMouseLeave(record.taskbar);
    auto fresh = newInstance(record, clockIndex);
    prepareClock(*fresh);
    PendingAttach pending(state, std::move(fresh));
    pending.registerInstance();
    if (!takeOverWindows(pending.clock()))
      return false;
    pending.commit();
    clock = &pending.clock();
    try {
      reannounceAddons();
    } catch (...) {
      // The clock works without its add-ons; they register again with the next clock.
      recordCaughtException(L"reannounceAddons");
    }
  }
  if (clock->visibilityState == VisibilityState::Visible) {
    try {
      resizeClock(*clock, /*restore=*/false);
    } catch (...) {
      // Attached all the same: the taskbar asks for the size at its next layout.
      recordCaughtException(L"attachClock");
    }
  }
  return true;
}

ClockInstance* findAttachedClock(HWND clockWindow) {
  auto& clocks = hookState().clockByWindow;
  auto found = clocks.find(clockWindow);
  return found == clocks.end() ? nullptr : found->second.get();
}

void detachClock(HWND clockWindow) {
  HookState& state = hookState();
  auto found = state.clockByWindow.find(clockWindow);
  if (found == state.clockByWindow.end())
    return;
  ClockInstance& clock = *found->second;
  // The native clock gets one tick of its own right away, as soon as it is back in place.
  PostMessageA(clock.clock, WM_TIMER, 0, 0);
  releaseWindows(clock);
  std::unique_ptr<ClockInstance> owned = unregister(state, clockWindow);
  try {
    restoreLayout(*owned);
  } catch (...) {
    // The clock is given back and forgotten all the same.
    recordCaughtException(L"detachClock");
  }
  forgetClock(state, std::move(owned));
}

}  // namespace zembrik
