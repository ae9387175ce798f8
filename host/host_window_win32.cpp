#include "host/host_window_win32.h"

#include <string>

#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "hook/hook_exports.h"
#include "host/host_commands_win32.h"
#include "host/host_lifecycle_win32.h"
#include "host/user_dialogs_win32.h"
#include "platform/win32/caught_exception_win32.h"
#include "platform/win32/registry_win32.h"

namespace zembrik {

namespace {

constexpr std::u16string_view kTimeZoneInformationPath =
    u"SYSTEM\\CurrentControlSet\\Control\\TimeZoneInformation";

std::uint32_t readActiveTimeBias(HostState& state) {
  if (!state.timeZoneKey)
    return kUnreadTimeBias;
  return readNumber(*state.timeZoneKey, u"ActiveTimeBias").value_or(kUnreadTimeBias);
}

// A message sent from another thread (the shell's taskbar thread, for the library's reports)
// keeps that thread waiting until it is answered. Answer it before anything that can take the
// user's time, so that the taskbar goes on painting and answering input meanwhile.
void releaseWaitingSender(LRESULT result) {
  if (InSendMessage())
    ReplyMessage(result);
}

LRESULT onCreate(HostState& state) {
  if (!state.timeZoneKey) {
    state.timeZoneKey = openLocalMachineRoot()->openSubkey(kTimeZoneInformationPath, kKeyRead).key;
  }
  state.activeTimeBias = readActiveTimeBias(state);
  return 0;
}

LRESULT onDestroy(HostState& state) {
  state.startFailures.noteStopping();
  endHook();
  PostMessageA(state.hostWindow, WM_QUIT, 0, 0);
  return 0;
}

void onSettingsChanged(HostState& state, WPARAM wParam, LPARAM lParam) {
  if (!state.trayClock)
    return;
  // The system refuses to post a pointer to another process; the clock then still hears that
  // something changed.
  if (!PostMessageA(state.trayClock, WM_WININICHANGE, wParam, lParam) && lParam != 0) {
    PostMessageA(state.trayClock, WM_WININICHANGE, wParam, 0);
  }
}

// Reads the alarms again. Their schedule runs on the uptime counter, taken against the wall clock
// at each read; after a change of the system time they must be read again to ring on time.
LRESULT onReloadAlarms(HostState& state) {
  // Creating a missing `alarms` key needs the right to create subkeys.
  auto root = openCurrentUserRoot()->openSubkey(kSettingsRootPath, kKeyRead | kKeyCreateSubKey).key;
  if (root)
    state.alarms.readAlarms(*root, state.trayClock);
  return 0;
}

void onTimeChanged(HostState& state) {
  state.calendar.dayCheck();
  onReloadAlarms(state);
  if (!state.legacyMode)
    return;
  // Older systems do not tell the clock about a change of the time-zone bias by themselves.
  const std::uint32_t bias = readActiveTimeBias(state);
  if (bias == state.activeTimeBias)
    return;
  state.activeTimeBias = bias;
  endHook();
  state.reattachTimer = UniqueTimer(state.hostWindow, kReattachTimer, kReattachSoonMs);
}

LRESULT onCommand(HostState& state, WPARAM wParam) {
  releaseWaitingSender(0);
  switch (LOWORD(wParam)) {
    case kCommandExit:
      askToExit(state);
      break;
    case kCommandOptions:
      startOptionsProgram(state, false);
      break;
    case kCommandAlarms:
      startOptionsProgram(state, true);
      break;
    default:
      break;
  }
  return 0;
}

void onTimer(HostState& state, WPARAM timer) {
  switch (timer) {
    case kReattachTimer:
      onReattachTimer(state);
      break;
    case kTaskbarRecheckTimer:
      onTaskbarRecheckTimer(state);
      break;
    case kSecondTimer:
      if (state.minuteCountdown.tick())
        state.calendar.dayCheck();
      state.alarms.check(state.trayClock);
      break;
    default:
      break;
  }
}

LRESULT onMouseWheel(HostState& state, WPARAM wParam) {
  const auto delta = static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam));
  if (state.calendar.visible()) {
    if (delta > 0)
      state.calendar.showPreviousMonth();
    if (delta < 0)
      state.calendar.showNextMonth();
  }
  return 1;
}

LRESULT onStartFailed(HostState& state, LPARAM reason) {
  releaseWaitingSender(0);
  const int code = static_cast<int>(reason);
  const std::wstring text = L"failed to start Zembrik: " + std::to_wstring(code);
  // While stopping, or when the failure was shown already or is being shown (its box's own
  // message loop delivers further reports), the host does not say it again.
  if (!state.startFailures.beginShowing(code))
    return 0;
  showMessageBox(nullptr, text, L"Error", MB_ICONWARNING);
  state.startFailures.finishedShowing();
  PostMessageA(state.hostWindow, WM_CLOSE, 0, 0);
  return 0;
}

LRESULT onClockAttached(HostState& state, WPARAM clock) {
  if (clock != 0)
    state.attachedClocks.insert(reinterpret_cast<HWND>(clock));
  return 0;
}

// A clock the library attached while it was hidden (a secondary one too) has its size only
// from a fresh attachment.
LRESULT onClockShown(HostState& state, WPARAM wParam, LPARAM mark) {
  const auto clock = reinterpret_cast<HWND>(wParam);
  const bool known = clock && (clock == state.trayClock || state.attachedClocks.count(clock) != 0);
  if (known && mark == kClockShownMark)
    reattach(state, true);
  return 0;
}

LRESULT onButtonUp(HostState& state, MouseButton button) {
  releaseWaitingSender(0);
  runButtonAction(state, button);
  return 0;
}

// Only the end of the session stops the host; WM_ENDSESSION with wParam 0 changes nothing.
bool onEndSession(HostState& state, WPARAM ending) {
  if (ending == 0)
    return false;
  stopHost(state);
  return true;
}

LRESULT onReload(HostState& state) {
  readSettings(state, nullptr, true);
  return 0;
}

// Which clock and taskbar a click came from, for the calendar popup's placement.
void onClockClicked(HostState& state, WPARAM clock, LPARAM taskbar) {
  state.clickedClock = reinterpret_cast<HWND>(clock);
  state.clickedTaskbar = reinterpret_cast<HWND>(taskbar);
}

// Each case calls a handler. Handlers that only take note of a message break out of the switch,
// and the message then gets the default handling.
LRESULT dispatch(HostState& state, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The shell's "TaskbarCreated" is registered at run time, so it cannot be a case label.
  if (message == state.taskbarCreatedMessage && message != 0)
    reattach(state, false);
  switch (message) {
    case WM_CREATE:
      return onCreate(state);
    case WM_DESTROY:
      return onDestroy(state);
    case WM_WININICHANGE:
      onSettingsChanged(state, wParam, lParam);
      break;
    case WM_TIMECHANGE:
      onTimeChanged(state);
      break;
    case WM_COMMAND:
      return onCommand(state, wParam);
    case WM_ENDSESSION:
      if (onEndSession(state, wParam))
        return 0;
      break;
    case WM_TIMER:
      onTimer(state, wParam);
      break;
    case WM_LBUTTONUP:
      return onButtonUp(state, MouseButton::Left);
    case WM_MBUTTONUP:
      return onButtonUp(state, MouseButton::Middle);
    case WM_RBUTTONUP:
      return onButtonUp(state, MouseButton::Right);
    case WM_MOUSEWHEEL:
      return onMouseWheel(state, wParam);
    case MSG_START_FAILED:
      return onStartFailed(state, lParam);
    case MSG_CLOCK_ATTACHED:
      return onClockAttached(state, wParam);
    case MSG_GET_SIZE:
      return 0;
    case MSG_RELOAD:
      return onReload(state);
    case MSG_RELOAD_ALARMS:
      return onReloadAlarms(state);
    case MSG_CLOCK_CLICKED:
      onClockClicked(state, wParam, lParam);
      break;
    case MSG_CLOCK_SHOWN:
      return onClockShown(state, wParam, lParam);
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      auto* state = static_cast<HostState*>(create->lpCreateParams);
      state->hostWindow = window;
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    }
    if (auto* state = reinterpret_cast<HostState*>(GetWindowLongPtrA(window, GWLP_USERDATA)))
      return dispatch(*state, window, message, wParam, lParam);
  } catch (...) {
    // Nothing may leave a window procedure; the message falls back to its default handling.
    recordCaughtException(L"hostWindowProc");
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

RegisteredClass registerHostWindowClass(HINSTANCE instance) {
  WNDCLASSA windowClass{};
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = hostWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kHostIconResource));
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kHostWindowClass;
  return RegisteredClass(windowClass);
}

void HostWindowCloser::operator()(HWND window) const noexcept {
  if (!IsWindow(window))
    return;
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
}

UniqueHostWindow createHostWindow(HostState& state) {
  return UniqueHostWindow(CreateWindowExA(
      0, kHostWindowClass, kHostWindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, state.instance, &state));
}

}  // namespace zembrik
