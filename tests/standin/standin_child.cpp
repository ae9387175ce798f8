#include "tests/standin/standin_child.h"

#include "tools/standin_taskbar/standin_protocol.h"

namespace standin::testing {

void pumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

bool isStandin(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, kMsgIdentify, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) &&
         static_cast<long>(result) == kIdentity;
}

std::vector<HWND> topLevelWindows(const wchar_t* className) {
  std::vector<HWND> windows;
  for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, className, nullptr)) != nullptr;)
    windows.push_back(w);
  return windows;
}

HWND findStandinTaskbar() {
  for (HWND w : topLevelWindows(L"Shell_TrayWnd"))
    if (isStandin(w))
      return w;
  return nullptr;
}

DWORD processOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

DWORD threadOf(HWND window) {
  return GetWindowThreadProcessId(window, nullptr);
}

RECT windowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

StandinChild::StandinChild(const std::wstring& arguments) {
  // The timeout ends a stand-in that a crashed test left behind.
  std::wstring commandLine = L"\"" STANDIN_TASKBAR_EXE L"\" --timeout=120 " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info))
    return;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
  waitFor([&] { return (taskbar_ = findStandinTaskbar()) && processOf(taskbar_) == processId_; });
}

StandinChild::~StandinChild() {
  if (HWND current = findStandinTaskbar()) {
    DWORD process = processOf(current);
    PostMessageW(current, kMsgQuit, 0, 0);
    waitFor([&] {
      HWND now = findStandinTaskbar();
      return !now || processOf(now) != process;
    });
  }
  if (process_) {
    if (WaitForSingleObject(process_, 5000) != WAIT_OBJECT_0)
      TerminateProcess(process_, 1);
    CloseHandle(process_);
  }
}

}  // namespace standin::testing
