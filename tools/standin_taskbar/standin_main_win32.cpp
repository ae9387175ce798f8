// The stand-in taskbar: a test double of the Windows shell's taskbar for running the hook library
// under Wine, which has no taskbar clock. See standin_protocol.h for the options and controls.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "tools/standin_taskbar/standin_options.h"
#include "tools/standin_taskbar/standin_shell_win32.h"

namespace standin {
namespace {

std::vector<std::string_view> commandLineArguments() {
  std::vector<std::string_view> args;
  for (int i = 1; i < __argc; ++i) args.emplace_back(__argv[i]);
  return args;
}

// A shell restart as the host sees it: a new process with the same command line.
bool startSuccessor() {
  wchar_t path[MAX_PATH] = {};
  if (GetModuleFileNameW(nullptr, path, MAX_PATH) == 0)
    return false;
  std::wstring commandLine = GetCommandLineW();
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(path, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return false;
  zembrik::UniqueHandle thread(process.hThread);
  zembrik::UniqueHandle child(process.hProcess);
  return true;
}

// Runs the loop; the window procedures leave restarts and the exit to it (they must not destroy
// the window they run in).
int runMessageLoop(Shell& shell, int timeoutSeconds) {
  if (timeoutSeconds > 0)
    SetTimer(nullptr, 0, static_cast<UINT>(timeoutSeconds) * 1000u, nullptr);
  // A restart in the middle of an attach, when armed. Looked at after GetMessageW and after each
  // dispatch as well as inside the window procedures (restartNowIfDue): sent messages are
  // delivered inside GetMessageW, several in one call.
  auto restartIfDue = [&shell] {
    if (!takeDueRestartOnSubclass(shell))
      return true;
    shell.destroyWindows();
    return shell.createWindows();
  };
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!restartIfDue())
      return 1;
    if (message.hwnd) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
      if (!restartIfDue())
        return 1;
      continue;
    }
    if (message.message == WM_TIMER) {
      std::fprintf(stderr, "standin_taskbar: timeout, quitting\n");
      return 3;
    }
    if (message.message != kLoopActionMessage)
      continue;
    switch (static_cast<LoopAction>(message.wParam)) {
      case LoopAction::Restart:
        shell.destroyWindows();
        if (!shell.createWindows())
          return 1;
        break;
      case LoopAction::RestartProcess:
        shell.destroyWindows();
        return startSuccessor() ? 0 : 1;
      case LoopAction::Quit:
        return 0;
    }
  }
  return 0;
}

int run(HINSTANCE instance) {
  auto parsed = parseOptions(commandLineArguments());
  if (!parsed.error.empty() || parsed.options.help) {
    if (!parsed.error.empty())
      std::fprintf(stderr, "standin_taskbar: %s\n", parsed.error.c_str());
    std::fprintf(stderr, "%s", usageText().c_str());
    return parsed.error.empty() ? 0 : 2;
  }
  if (!registerBarClasses(instance) || !registerClockClasses(instance) ||
      !registerPanelClass(instance)) {
    std::fprintf(stderr, "standin_taskbar: cannot register the window classes\n");
    return 1;
  }
  Shell shell(instance, parsed.options);
  // In a Wine prefix that was just made, window creation can fail for a few seconds while Wine
  // brings up its desktop; a real shell starts after the desktop, so wait for it.
  bool created = shell.createWindows();
  for (int attempt = 0; !created && attempt < 40; ++attempt) {
    std::fprintf(stderr, "standin_taskbar: window creation failed (error %lu), retrying\n",
                 GetLastError());
    shell.destroyWindows();
    Sleep(250);
    created = shell.createWindows();
  }
  if (!created) {
    std::fprintf(stderr, "standin_taskbar: cannot create the taskbar windows\n");
    return 1;
  }
  int status = runMessageLoop(shell, parsed.options.timeoutSeconds);
  shell.destroyWindows();
  return status;
}

}  // namespace
}  // namespace standin

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  try {
    return standin::run(instance);
  } catch (...) {
    std::fprintf(stderr, "standin_taskbar: unexpected failure\n");
    return 1;
  }
}
