#include "clock_attach.h"

#include "clock_paint.h"
#include "clock_services.h"
#include "clock_size.h"
#include "clock_theme.h"
#include "clock_window_proc.h"
#include "names/name_loading.h"
#include "protocol/window_messages.h"
#include "registry/registry_access.h"
#include "settings/settings_paths.h"
#include "taskbar/os_generation.h"
#include "win32/format_platform_win32.h"
#include "win32/registry_win32.h"

namespace zembrik {

namespace {

void sendMouseLeave(HWND window) {
  if (window) SendMessageA(window, WM_MOUSELEAVE, 0, 0);
}

WNDPROC subclass(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

// Add-on programs registered with a previous clock announce themselves again.
void reannounceAddons() {
  auto user = openCurrentUserRoot();
  auto reg = user->createSubkey(u"Software\\OBR\\Zembrik\\reg", kKeyReadWrite,
                                KeyLifetime::Persistent);
  if (!reg) return;
  std::uint32_t subkeys = 0, values = 0;
  if (reg.key->countEntries(subkeys, values) != RegStatus::Ok) return;
  for (std::uint32_t index = values; index-- > 0;) {
    RegEnumEntry entry;
    RegStatus status = reg.key->enumValue(index, kEnumNameChars, entry);
    if (status == RegStatus::MoreData) continue;
    if (status != RegStatus::Ok) break;
    auto window = readNumber(*reg.key, entry.name);
    reg.key->deleteValue(entry.name);
    if (window && *window != 0) {
      PostMessageA(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(*window)), MSG_ADDON_REGISTER,
                   0, 0);
    }
  }
}

void deleteThisKey() {
  auto user = openCurrentUserRoot();
  auto root = user->openSubkey(kSettingsRootPath, kKeyReadWrite);
  if (root) deleteKeyTree(*root.key, u"this");
}

void initialiseClock(ClockInstance& clock) {
  HookState& state = hookState();
  clock.dpi = taskbarDpi(clock.taskbar);
  if (clock.visibilityState != 0) {
    clock.visibilityState = -1;
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
  applyFlatTray(clock);
  // Show-desktop hiding and the tooltip arrive with their own features.
  clock.rebar = FindWindowExA(clock.taskbar, nullptr, "ReBarWindow32", nullptr);
  clock.nativeClockProc = subclass(clock.clock, clockWindowProc);
  if (state.osGeneration > 6 && clock.isMain()) {
    clock.nativeNotifyProc = subclass(clock.notify, notifyAreaProc);
  }
  SetTimer(clock.clock, TICK_TIMER_ID, 1000, nullptr);
  Win32LocaleSource locale;
  loadLocaleNames(clockServices().names, locale);
  reannounceAddons();
}

}  // namespace

int currentOsGeneration(int previous) {
  OsVersion version;
  OSVERSIONINFOEXA extended{};
  extended.dwOSVersionInfoSize = sizeof(extended);
  // GetVersionExA is what the generation table was written against; newer Windows reports
  // through it what the program's manifest allows.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended))) {
    version = {true, extended.dwMajorVersion, extended.dwMinorVersion, extended.dwBuildNumber};
  } else {
    OSVERSIONINFOA plain{};
    plain.dwOSVersionInfoSize = sizeof(plain);
    if (GetVersionExA(&plain)) {
      version = {true, plain.dwMajorVersion, plain.dwMinorVersion, plain.dwBuildNumber};
    }
  }
#pragma GCC diagnostic pop
  return osGenerationFor(version, previous);
}

int taskbarDpi(HWND window) {
  HookState& state = hookState();
  if (!state.dpiFunctionLookedUp) {
    state.dpiFunctionLookedUp = true;
    if (HMODULE user32 = LoadLibraryA("User32.dll")) {
      state.getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
          reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
      if (!state.getDpiForWindow) FreeLibrary(user32);
    }
  }
  UINT dpi = state.getDpiForWindow ? state.getDpiForWindow(window) : 0;
  return dpi ? static_cast<int>(dpi) : 96;
}

void attachClock(const TaskbarRecord& record, int clockIndex) {
  HookState& state = hookState();
  pinLibraryInShell();
  if (record.notify) state.primaryClockWindow = record.clock;

  auto found = state.clockByWindow.find(record.clock);
  ClockInstance* clock = nullptr;
  if (found != state.clockByWindow.end()) {
    clock = found->second.get();
    clock->clockIndex = clockIndex;
    reloadClockSettings(*clock);
  } else {
    sendMouseLeave(record.clock);
    sendMouseLeave(record.notify);
    sendMouseLeave(record.taskbar);
    auto fresh = std::make_unique<ClockInstance>();
    fresh->taskbar = record.taskbar;
    fresh->notify = record.notify;
    fresh->clock = record.clock;
    fresh->clockIndex = clockIndex;
    fresh->visibilityState = (GetWindowLongA(record.clock, GWL_STYLE) & WS_VISIBLE) ? 0 : -1;
    clock = fresh.get();
    state.clockByWindow[record.clock] = std::move(fresh);
    if (record.notify) state.clockByNotifyWindow[record.notify] = clock;
    initialiseClock(*clock);
  }
  if (clock->visibilityState == 0) resizeClock(*clock, /*restore=*/false);
}

void detachClock(HWND clockWindow) {
  HookState& state = hookState();
  auto found = state.clockByWindow.find(clockWindow);
  if (found == state.clockByWindow.end()) return;
  ClockInstance& clock = *found->second;

  updateLockKeyHook(false);
  KillTimer(clock.clock, TICK_TIMER_ID);
  if (clock.nativeNotifyProc) {
    SetWindowLongPtrA(clock.notify, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(clock.nativeNotifyProc));
  }
  PostMessageA(clock.clock, WM_TIMER, 0, 0);
  SetWindowLongPtrA(clock.clock, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(clock.nativeClockProc));
  releaseSurfaces(clock);
  if (HWND host = currentHostWindow()) {
    PostMessageA(host, MSG_GET_SIZE, reinterpret_cast<WPARAM>(clock.taskbar),
                 reinterpret_cast<LPARAM>(clock.clock));
  }
  restoreTrayEdge(clock);
  resizeClock(clock, /*restore=*/true);
  clock.config.cells.clear();
  deleteThisKey();

  if (clock.isMain()) state.clockByNotifyWindow.erase(clock.notify);
  if (state.primaryClockWindow == clockWindow) state.primaryClockWindow = nullptr;
  state.clockByWindow.erase(found);
  forgetBackground(clockWindow);  // after the painter that used it
  if (state.clockByWindow.empty()) releaseThemeLibrary();
}

}  // namespace zembrik
