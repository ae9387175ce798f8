#include "host/host_startup_win32.h"

#include <string>

#include "engine/host_rules/host_command.h"
#include "engine/host_rules/module_dir.h"
#include "engine/host_rules/read_until_it_fits.h"
#include "engine/host_rules/settings_version.h"
#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"
#include "hook/hook_exports.h"
#include "host/host_lifecycle_win32.h"
#include "host/host_window_win32.h"
#include "host/message_filter_win32.h"
#include "host/taskbar_search_win32.h"
#include "host/taskbar_transparency_win32.h"
#include "host/user_dialogs_win32.h"
#include "platform/win32/os_version_win32.h"
#include "platform/win32/proc_address_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/wide_text_win32.h"

namespace zembrik {

namespace {

#if defined(_WIN64)
constexpr wchar_t kHostName[] = L"Zembrik64";
#else
constexpr wchar_t kHostName[] = L"Zembrik32";
#endif

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitStopLoop = 1;  // the stop loop's value; scripts may test for it
constexpr DWORD kModulePathChars = 2024;
constexpr DWORD kLongestPathChars = 32768;  // the longest path Windows knows, with "\\?\"

HWND findRunningHost() {
  return FindWindowA(kHostWindowClass, kHostWindowTitle);
}

// Asks the running host to end (WM_ENDSESSION, as at logoff) until its window is gone. The
// running host gives the clocks back first, which can take the shell a moment. Exits with 1
// whether the host is gone or refused the message: scripts rely on that value.
int stopRunningHost(HWND running) {
  DWORD wait = 1000;
  for (;;) {
    if (!PostMessageA(running, WM_ENDSESSION, 1, 0))
      break;
    Sleep(wait);
    running = findRunningHost();
    if (wait < 10000)
      ++wait;
    if (!running)
      break;
  }
  return kExitStopLoop;
}

// Windows before Vista (major version 5) need a few extra steps; only the 32-bit build runs there.
bool isLegacySystem() {
#if defined(_WIN64)
  return false;
#else
  const OsVersion version = readOsVersion();
  return !version.known || version.major < 6;
#endif
}

// The 32-bit build cannot reach a 64-bit shell; under WoW64 it refuses to run.
bool isWow64Process() {
#if defined(_WIN64)
  return false;
#else
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  const auto isWow64 =
      procAddress<IsWow64ProcessFn>(GetModuleHandleA("kernel32"), "IsWow64Process");
  BOOL wow64 = FALSE;
  return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
#endif
}

// Empty when the path cannot be read whole.
std::wstring ownModulePath() {
  return readUntilItFits<wchar_t>(
      [](wchar_t* buffer, std::size_t size) -> std::size_t {
        return GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(size));
      },
      kModulePathChars, kLongestPathChars);
}

// Steps that need the settings key: its version, where the host lives, the host's settings and
// the alarms. False (after telling the user) when the key cannot be brought up to date.
bool prepareSettings(HostState& state) {
  auto user = openCurrentUserRoot();
  auto current = openCurrentSettings(*user);
  if (!current.key) {
    showErrorBox(nullptr, wide(current.error));
    return false;
  }
  state.modulePath = ownModulePath();
  state.moduleDir = wide(moduleDirOf(portable(state.modulePath)));
  writeText(*current.key, u"ZembrikName", portable(kHostName));
  // An unknown path is not recorded: the start at logon would run nothing.
  if (!state.modulePath.empty())
    writeText(*current.key, u"ZembrikPath", portable(state.modulePath));

  state.calendar.initLocale();
  readSettings(state, current.key.get(), false);
  state.alarms.readAlarms(*current.key, state.trayClock);
  return true;
}

int runMessageLoop(CalendarPopup& calendar) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    // Tab, Enter and Esc in the calendar.
    if (calendar.handleDialogMessage(message))
      continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return kExitOk;
}

int becomeHost(HINSTANCE instance) {
  HostState state;
  state.instance = instance;
  state.legacyMode = isLegacySystem();
  searchTaskbarWindows(state, true);
  state.user32.load();
  if (!state.trayClock) {
    showErrorBox(nullptr, L"Can't replace Tray Clock");
    return kExitFailed;
  }
  if (isWow64Process()) {
    showErrorBox(nullptr, L"Can't run on 64 bit OS, please use Zembrik64");
    return kExitFailed;
  }
  if (!prepareSettings(state))
    return kExitFailed;
  state.taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");

  int exitCode = kExitFailed;
  {
    const RegisteredClass hostClass = registerHostWindowClass(instance);
    const UniqueHostWindow window = createHostWindow(state);
    if (window) {
      allowMessagesFromOtherProcesses(state.hostWindow, state.user32, state.taskbarCreatedMessage);
      state.recheckTimer = UniqueTimer(state.hostWindow, kTaskbarRecheckTimer, 1000);
      state.secondTimer = UniqueTimer(state.hostWindow, kSecondTimer, 1000);
      // A failed first attach was already reported by the library (MSG_START_FAILED).
      if (startHook(state.hostWindow)) {
        exitCode = runMessageLoop(state.calendar);
        endHook();
      }
    }
  }  // a window the loop left goes here, then its class
  setTaskbarTransparency(state, 0, true);
  return exitCode;
}

}  // namespace

int runHost(HINSTANCE instance, const char* commandTail) {
  const HWND running = findRunningHost();
  const HostCommand command = parseHostCommand(commandTail ? commandTail : "");
  switch (decideStartup(running != nullptr, command)) {
    case StartupDecision::ExitAtOnce:
      return kExitOk;
    case StartupDecision::AskThenStop:
      if (showMessageBox(nullptr, L"Stop Zembrik?", L"Already running!",
                         MB_ICONWARNING | MB_YESNO) != IDYES) {
        return kExitFailed;
      }
      return stopRunningHost(running);
    case StartupDecision::StopRunning:
      return stopRunningHost(running);
    case StartupDecision::Continue:
      break;
  }
  return becomeHost(instance);
}

}  // namespace zembrik
