#include "tests/options/options_child_win32.h"

#include "options/main_dialog_win32.h"

namespace zembrik::testing {

OptionsChild::OptionsChild(const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + std::wstring(OPTIONS_EXE) + L"\"";
  if (!arguments.empty())
    commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(OPTIONS_EXE, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started))
    return;
  process_.reset(started.hProcess);
  CloseHandle(started.hThread);
  id_ = started.dwProcessId;
}

OptionsChild::~OptionsChild() {
  if (!process_ || waitForExit(0) != STILL_ACTIVE)
    return;
  for (HWND window : optionsWindows()) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == id_)
      PostMessageW(window, WM_CLOSE, 0, 0);
  }
  if (waitForExit(5000) == STILL_ACTIVE)
    TerminateProcess(process_.get(), 1);
  WaitForSingleObject(process_.get(), 5000);
}

HWND OptionsChild::waitForWindow(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    for (HWND window : optionsWindows()) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == id_ && IsWindowVisible(window))
        return window;
    }
    pumpFor(20);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

DWORD OptionsChild::waitForExit(DWORD timeoutMs) {
  if (!process_)
    return STILL_ACTIVE;
  const DWORD start = GetTickCount();
  while (WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    if (GetTickCount() - start >= timeoutMs)
      return STILL_ACTIVE;
    pumpFor(20);
  }
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

std::vector<HWND> optionsWindows() {
  std::vector<HWND> windows;
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, kOptionsWindowClass, nullptr)) != nullptr)
    windows.push_back(window);
  return windows;
}

void pumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (GetTickCount() - start < milliseconds);
}

}  // namespace zembrik::testing
