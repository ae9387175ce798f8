#pragma once
// What the host's integration tests share: child processes that never outlive a test, the
// scratch folder with the logs the test helpers write, the settings key, the host window.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zembrik::testing {

// A program started for a test; terminated when the test ends without it having exited.
class ChildProcess {
 public:
  ChildProcess(const std::wstring& program, const std::wstring& arguments);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return id_; }
  // The exit code, or STILL_ACTIVE when it has not ended within `timeoutMs`.
  DWORD waitForExit(DWORD timeoutMs);

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// The scratch folder (in the Windows temp folder) and the files the helpers append to.
std::wstring scratchFolder();
std::wstring dialogLogPath();
std::wstring hookLogPath();
std::wstring recorderLogPath();
std::vector<std::wstring> readLines(const std::wstring& path);
int countLines(const std::wstring& path, const std::wstring& line);

// The running host's window ("ZembrikClass", "Zembrik"), or null.
HWND findHostWindow();
// Ends every running host at once (a test that failed half-way may leave one behind).
void terminateRunningHosts();

// HKCU\Software\OBR\Zembrik.
void deleteSettingsKey();
bool settingsKeyExists();
void writeSettingNumber(const std::wstring& name, std::uint32_t value);
void writeSettingText(const std::wstring& name, const std::wstring& value);
std::optional<std::uint32_t> readSettingNumber(const std::wstring& name);
std::optional<std::wstring> readSettingText(const std::wstring& name);
void createSettingsSubkey(const std::wstring& path);
bool settingsSubkeyExists(const std::wstring& path);

// "Z:/a/b" and "Z:\a\b" name the same file; compare paths without case and slash style.
bool samePath(std::wstring a, std::wstring b);

}  // namespace zembrik::testing
