#include "host/host_commands_win32.h"

#include <string>

#include "engine/host_rules/program_command.h"
#include "engine/protocol/window_messages.h"
#include "host/host_lifecycle_win32.h"
#include "host/program_start_win32.h"
#include "host/taskbar_search_win32.h"
#include "host/taskbar_transparency_win32.h"
#include "host/user_dialogs_win32.h"
#include "platform/win32/wide_text_win32.h"

namespace zembrik {

namespace {

constexpr UINT kSendTimeoutMs = 2000;

bool controlKeyDown() {
  // The click was posted from the shell, whose thread saw the keyboard; this thread's own key
  // state may lag behind, the system-wide one does not.
  return ((GetKeyState(VK_CONTROL) | GetAsyncKeyState(VK_CONTROL)) & 0x8000) != 0;
}

HMENU popupMenu(HostState& state) {
  if (!state.popupMenu) {
    UniqueMenu menu{CreatePopupMenu()};
    if (!menu)
      return nullptr;
    AppendMenuW(menu.get(), MF_STRING, kCommandAlarms, L"Alarms");
    AppendMenuW(menu.get(), MF_STRING, kCommandOptions, L"Options");
    AppendMenuW(menu.get(), MF_STRING, kCommandExit, L"Exit Zembrik");
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_STYLE;
    info.dwStyle = MNS_AUTODISMISS;
    SetMenuInfo(menu.get(), &info);
    state.popupMenu = std::move(menu);
  }
  return state.popupMenu.get();
}

HWND findStartMenu() {
  HWND startMenu = FindWindowA("DV2ControlHost", "Start Menu");
  return startMenu ? startMenu : FindWindowA("DV2ControlHost", nullptr);
}

// On legacy systems the Start menu is a window of its own that shares the taskbar's
// transparency; when the calendar made the shell create it anew, take the transparency off,
// let the taskbar lay itself out, and put it back a second later.
void refreshLegacyTransparency(HostState& state) {
  if (!state.legacyMode || state.transparency.alpha() == 0)
    return;
  if (findStartMenu() == state.startMenu)
    return;
  const std::uint32_t alpha = state.transparency.alpha();
  searchTaskbarWindows(state, false);
  setTaskbarTransparency(state, 0, true);
  if (state.taskbar)
    PostMessageA(state.taskbar, WM_SIZE, 0, 0);
  state.transparency.set(alpha, false);
  state.recheckTimer = UniqueTimer(state.hostWindow, kTaskbarRecheckTimer, 1000);
}

void startConfiguredProgram(const ButtonAction& action) {
  const auto command = programCommand(action.program, action.parameters);
  if (!startProgram(command, true)) {
    showMessageBox(nullptr, wide(command.file), L"Error can't execute program", MB_ICONWARNING);
  }
}

}  // namespace

void runButtonAction(HostState& state, MouseButton button) {
  const ButtonAction& action = state.settings.button(button);
  if (controlKeyDown() || action.kind == ButtonActionKind::Menu) {
    POINT cursor{};
    GetCursorPos(&cursor);
    showPopupMenu(state, cursor);
  } else if (action.kind == ButtonActionKind::SystemCalendar) {
    if (state.taskbar)
      PostMessageA(state.taskbar, WM_COMMAND, kShellCommandDateTime, 0);
  } else if (action.kind == ButtonActionKind::InternalCalendar) {
    state.calendar.toggle(
        {state.clickedClock, state.clickedTaskbar, state.trayClock, state.hostWindow});
    refreshLegacyTransparency(state);
  } else if (!action.program.empty()) {
    startConfiguredProgram(action);
  }
}

void showPopupMenu(HostState& state, POINT at) {
  HMENU menu = popupMenu(state);
  if (!menu)
    return;
  if (state.trayClock) {
    // The shell's thread owns the foreground; the clock hands it over to the host.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(state.trayClock, MSG_SET_FOREGROUND,
                        reinterpret_cast<WPARAM>(state.hostWindow), 0,
                        SMTO_ABORTIFHUNG | SMTO_NORMAL, kSendTimeoutMs, &ignored);
  }
  SetForegroundWindow(state.hostWindow);
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, state.hostWindow, nullptr);
  PostMessageA(state.hostWindow, WM_NULL, 0, 0);
}

void startOptionsProgram(HostState& state, bool alarmsPage) {
  const std::u16string path = optionsProgramPath(portable(state.moduleDir));
  const ProgramCommand command{path, optionsCommandLine(path, alarmsPage ? u"alarms" : u"")};
  if (!startProgram(command, false)) {
    showMessageBox(state.hostWindow, L"Can't start " + wide(path), L"Error", MB_ICONWARNING);
  }
}

void askToExit(HostState& state) {
  state.calendar.hide();
  const std::wstring question =
      L"Do you want to exit Zembrik? Program was started from:\n" + state.modulePath;
  if (showMessageBox(nullptr, question, L"Exit Zembrik?", MB_ICONQUESTION | MB_YESNO) == IDYES) {
    stopHost(state);
  }
}

}  // namespace zembrik
