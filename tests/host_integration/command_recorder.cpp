// Records how it was started: its command line, then each argument as the C runtime splits it.
#include <windows.h>

#include <shellapi.h>

#include "tests/host_integration/seam_log.h"
#include "tests/host_integration/test_seams.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const wchar_t* commandLine = GetCommandLineW();
  std::wstring record = L"commandLine=";
  record += commandLine;
  int count = 0;
  if (LPWSTR* arguments = CommandLineToArgvW(commandLine, &count)) {
    for (int i = 0; i < count; ++i) record += L"\nargv=" + std::wstring(arguments[i]);
    LocalFree(arguments);
  }
  zembrik::testing::appendLine(ZEMBRIK_RECORDER_LOG_VARIABLE, record);
  return 0;
}
