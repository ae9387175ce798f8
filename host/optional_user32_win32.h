#pragma once
// Functions of user32 that older systems lack, looked up by name once at start-up.
#include <windows.h>

#include "platform/win32/win32_handles.h"

namespace zembrik {

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
// The last parameter is a CHANGEFILTERSTRUCT*, always null here.
using ChangeWindowMessageFilterExFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);

class OptionalUser32 {
 public:
  OptionalUser32() = default;
  OptionalUser32(const OptionalUser32&) = delete;
  OptionalUser32& operator=(const OptionalUser32&) = delete;

  // Loads user32 unless done already and looks the functions up; the library is kept only
  // while one of them exists.
  void load();

  SetLayeredWindowAttributesFn setLayeredAttributes = nullptr;
  GetDpiForWindowFn getDpiForWindow = nullptr;
  ChangeWindowMessageFilterExFn changeWindowMessageFilterEx = nullptr;  // Windows 7 and later

 private:
  UniqueModule module_;
};

}  // namespace zembrik
