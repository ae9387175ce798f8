#include "host/program_start_win32.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_text_win32.h"
#include "platform/win32/win32_handles.h"

namespace zembrik {

namespace {

bool isFile(const std::u16string& path) {
  const DWORD attributes = GetFileAttributesW(wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::u16string pathVariable() {
  const DWORD size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
  if (size == 0)
    return {};
  std::wstring text(size, L'\0');
  text.resize(GetEnvironmentVariableW(L"PATH", text.data(), size));
  return portable(text);
}

std::u16string fileToRun(const ProgramCommand& command, bool searchPath) {
  if (!searchPath)
    return command.file;
  for (const auto& candidate : programCandidates(command.file, pathVariable())) {
    if (isFile(candidate))
      return candidate;
  }
  return command.file;  // let CreateProcess report that it is missing
}

}  // namespace

bool startProgram(const ProgramCommand& command, bool searchPath) {
  if (command.file.empty())
    return false;
  const std::wstring file = wide(fileToRun(command, searchPath));
  std::wstring commandLine = wide(command.commandLine);  // CreateProcessW may write into it
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(file.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  // Nothing waits for the program: both handles go at once.
  UniqueHandle thread(process.hThread);
  UniqueHandle started(process.hProcess);
  return true;
}

}  // namespace zembrik
