#pragma once
// Runs the stand-in taskbar as a child process for a test and finds its windows.

#include <windows.h>

#include <string>
#include <vector>

namespace standin::testing {

constexpr DWORD kStartTimeoutMs = 20000;

// Pumps the test thread's messages while it waits.
void pumpMessages();

template <class Condition>
bool waitFor(Condition condition, DWORD timeoutMs = kStartTimeoutMs) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs)
      return false;
    pumpMessages();
    Sleep(20);
  }
  return true;
}

bool isStandin(HWND window);
std::vector<HWND> topLevelWindows(const wchar_t* className);
HWND findStandinTaskbar();
DWORD processOf(HWND window);
DWORD threadOf(HWND window);
RECT windowRect(HWND window);

// One stand-in process; quits it (or whichever stand-in replaced it) at the end.
class StandinChild {
 public:
  explicit StandinChild(const std::wstring& arguments);
  ~StandinChild();
  StandinChild(const StandinChild&) = delete;
  StandinChild& operator=(const StandinChild&) = delete;

  HWND taskbar() const { return taskbar_; }
  HANDLE process() const { return process_; }
  DWORD processId() const { return processId_; }

 private:
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND taskbar_ = nullptr;
};

}  // namespace standin::testing
