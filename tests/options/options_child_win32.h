#pragma once
// ZembrikOptions.exe as a child process of a test, seen from outside as a user sees it.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/win32_handles.h"

namespace zembrik::testing {

class OptionsChild {
 public:
  // Starts the program with the given command tail.
  explicit OptionsChild(const std::wstring& arguments);
  // Closes its window and waits; terminates it when it does not end.
  ~OptionsChild();
  OptionsChild(const OptionsChild&) = delete;
  OptionsChild& operator=(const OptionsChild&) = delete;

  bool started() const noexcept { return process_ != nullptr; }
  DWORD id() const noexcept { return id_; }
  HANDLE process() const noexcept { return process_.get(); }
  // Its main window, once it shows one within `timeoutMs`; else null.
  HWND waitForWindow(DWORD timeoutMs = 20000);
  // The exit code, or STILL_ACTIVE when it runs on after `timeoutMs`.
  DWORD waitForExit(DWORD timeoutMs);

 private:
  UniqueHandle process_;
  DWORD id_ = 0;
};

// The top-level windows of class "ZembrikOptionsByOBR", any process.
std::vector<HWND> optionsWindows();

// Handles the test thread's messages for about that long.
void pumpFor(DWORD milliseconds);

}  // namespace zembrik::testing
