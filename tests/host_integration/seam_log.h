#pragma once
// Appending one UTF-8 line to the file named by an environment variable (test helpers only).
#include <windows.h>

#include <string>

#include "platform/win32/wide_text_win32.h"

namespace zembrik::testing {

inline std::wstring environmentText(const wchar_t* name) {
  wchar_t buffer[2048];
  const DWORD length = GetEnvironmentVariableW(name, buffer, 2048);
  return length > 0 && length < 2048 ? std::wstring(buffer, length) : std::wstring();
}

inline void appendLine(const wchar_t* variable, const std::wstring& line) {
  const std::wstring path = environmentText(variable);
  if (path.empty())
    return;
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return;
  const std::string bytes = utf8FromWide(line) + "\n";
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace zembrik::testing
