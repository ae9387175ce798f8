#pragma once
// The host's message boxes. The program links user_dialogs_win32.cpp (MessageBoxW); the
// integration tests link a version that records each box and answers it without showing it.
#include <windows.h>

#include <string_view>

namespace zembrik {

// As MessageBoxW: returns IDYES, IDNO, IDOK, ...
int showMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT type);

// An error box: caption "Error", warning icon, OK.
inline void showErrorBox(HWND owner, std::wstring_view text) {
  showMessageBox(owner, text, L"Error", MB_ICONWARNING | MB_OK);
}

}  // namespace zembrik
