#include "tests/host_integration/host_test_support.h"

#include <algorithm>
#include <cwctype>

#include "engine/protocol/window_messages.h"
#include "engine/settings/settings_paths.h"
#include "platform/win32/wide_text_win32.h"

namespace zembrik::testing {

namespace {

const std::wstring kSettingsPath = wide(kSettingsRootPath);

HKEY openSettings(REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsPath.c_str(), 0, access, &key) != ERROR_SUCCESS)
    return nullptr;
  return key;
}

HKEY createSettings() {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &key, nullptr);
  return key;
}

}  // namespace

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!arguments.empty())
    commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info))
    return;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
  if (!process_)
    return;
  if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

DWORD ChildProcess::waitForExit(DWORD timeoutMs) {
  if (!process_)
    return STILL_ACTIVE;
  const DWORD start = GetTickCount();
  while (WaitForSingleObject(process_, 20) != WAIT_OBJECT_0) {
    if (GetTickCount() - start > timeoutMs)
      return STILL_ACTIVE;
    MSG message;  // keep answering sent messages (the host may broadcast to us)
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_, &code);
  return code;
}

std::wstring scratchFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + L"zembrik host test\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

std::wstring dialogLogPath() {
  return scratchFolder() + L"dialogs.log";
}
std::wstring hookLogPath() {
  return scratchFolder() + L"hook.log";
}
std::wstring recorderLogPath() {
  return scratchFolder() + L"recorder.log";
}

std::vector<std::wstring> readLines(const std::wstring& path) {
  std::vector<std::wstring> lines;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return lines;
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
    bytes.append(buffer, read);
  CloseHandle(file);
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(wideFromUtf8(bytes.substr(start, end - start)));
  return lines;
}

int countLines(const std::wstring& path, const std::wstring& line) {
  const auto lines = readLines(path);
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

HWND findHostWindow() {
  return FindWindowA(kHostWindowClass, kHostWindowTitle);
}

void terminateRunningHosts() {
  for (int attempt = 0; attempt < 20; ++attempt) {
    HWND host = findHostWindow();
    if (!host)
      return;
    DWORD id = 0;
    GetWindowThreadProcessId(host, &id);
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
      TerminateProcess(process, 98);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
    Sleep(50);
  }
}

void deleteSettingsKey() {
  RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsPath.c_str());  // leaves the key itself
  RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsPath.c_str());
}

bool settingsKeyExists() {
  HKEY key = openSettings(KEY_READ);
  if (key)
    RegCloseKey(key);
  return key != nullptr;
}

void writeSettingNumber(const std::wstring& name, std::uint32_t value) {
  HKEY key = createSettings();
  RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
  RegCloseKey(key);
}

void writeSettingText(const std::wstring& name, const std::wstring& value) {
  HKEY key = createSettings();
  RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

std::optional<std::uint32_t> readSettingNumber(const std::wstring& name) {
  HKEY key = openSettings(KEY_READ);
  if (!key)
    return std::nullopt;
  DWORD type = 0, value = 0, size = sizeof(value);
  const bool ok = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
                  type == REG_DWORD && size == 4;
  RegCloseKey(key);
  return ok ? std::optional<std::uint32_t>(value) : std::nullopt;
}

std::optional<std::wstring> readSettingText(const std::wstring& name) {
  HKEY key = openSettings(KEY_READ);
  if (!key)
    return std::nullopt;
  wchar_t buffer[2048] = {};
  DWORD type = 0, size = sizeof(buffer) - sizeof(wchar_t);
  const bool ok = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS &&
                  type == REG_SZ;
  RegCloseKey(key);
  return ok ? std::optional<std::wstring>(buffer) : std::nullopt;
}

void createSettingsSubkey(const std::wstring& path) {
  HKEY key = nullptr;
  const std::wstring full = kSettingsPath + L"\\" + path;
  RegCreateKeyExW(HKEY_CURRENT_USER, full.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                  nullptr);
  const DWORD one = 1;
  RegSetValueExW(key, L"marker", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4);
  RegCloseKey(key);
}

bool settingsSubkeyExists(const std::wstring& path) {
  HKEY key = nullptr;
  const std::wstring full = kSettingsPath + L"\\" + path;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, full.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

bool samePath(std::wstring a, std::wstring b) {
  for (auto* text : {&a, &b}) {
    for (auto& c : *text) c = c == L'/' ? L'\\' : static_cast<wchar_t>(std::towlower(c));
  }
  return a == b;
}

}  // namespace zembrik::testing
