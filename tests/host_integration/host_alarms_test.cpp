// The host's alarm scheduler for real: the host with the real hook library against the stand-in
// taskbar, with a probe inside the stand-in that sees the alarm messages the clock takes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "engine/protocol/window_messages.h"
#include "platform/win32/proc_address_win32.h"
#include "tests/host_integration/alarm_message_probe.h"
#include "tests/host_integration/host_program_fixture.h"

namespace zembrik::testing {
namespace {

struct ClockMessage {
  DWORD tick;
  SYSTEMTIME local;
  UINT message;
  std::int32_t number;
};

// Hooks the stand-in's thread with the probe and collects what it reports.
class AlarmMessageLog {
 public:
  explicit AlarmMessageLog(HWND taskbar) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kAlarmListenerClass;
    RegisterClassW(&windowClass);
    listener_ = CreateWindowExW(0, kAlarmListenerClass, L"", WS_OVERLAPPED, 0, 0, 1, 1, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(listener_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    probe_ = LoadLibraryW(ALARM_PROBE_DLL);
    auto proc = procAddress<HOOKPROC>(probe_, kAlarmProbeHookName);
    if (listener_ && proc)
      hook_ = SetWindowsHookExW(WH_GETMESSAGE, proc, probe_, standin::testing::threadOf(taskbar));
  }
  ~AlarmMessageLog() {
    UnhookWindowsHookEx(hook_);
    DestroyWindow(listener_);
    FreeLibrary(probe_);
  }
  AlarmMessageLog(const AlarmMessageLog&) = delete;
  AlarmMessageLog& operator=(const AlarmMessageLog&) = delete;

  bool installed() const { return hook_ != nullptr; }
  const std::vector<ClockMessage>& messages() const { return messages_; }
  // Waits until the clock took `message` for `number`; a copy of its record (the log grows while
  // a test waits, so a pointer into it would not stay valid), or nothing.
  std::optional<ClockMessage> waitFor(UINT message, std::int32_t number, DWORD timeoutMs) {
    std::optional<ClockMessage> found;
    standin::testing::waitFor(
        [&] {
          for (const auto& m : messages_) {
            if (m.message == message && m.number == number)
              found = m;
          }
          return found.has_value();
        },
        timeoutMs);
    return found;
  }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<AlarmMessageLog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || message != kClockTookAlarmMessage)
      return DefWindowProcW(window, message, wParam, lParam);
    ClockMessage m{GetTickCount(),
                   {},
                   static_cast<UINT>(wParam),
                   static_cast<std::int32_t>(static_cast<std::uint32_t>(lParam))};
    GetLocalTime(&m.local);
    self->messages_.push_back(m);
    return 0;
  }

  HWND listener_ = nullptr;
  HMODULE probe_ = nullptr;
  HHOOK hook_ = nullptr;
  std::vector<ClockMessage> messages_;
};

void writeText(HKEY key, const std::wstring& name, const std::wstring& text) {
  RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// HHMMSS of the local time `seconds` from now.
std::wstring localTimeIn(int seconds) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  FILETIME file;
  SystemTimeToFileTime(&now, &file);
  ULARGE_INTEGER value{{file.dwLowDateTime, file.dwHighDateTime}};
  value.QuadPart += static_cast<ULONGLONG>(seconds) * 10'000'000;
  file = {value.LowPart, value.HighPart};
  FileTimeToSystemTime(&file, &now);
  wchar_t text[16];
  swprintf(text, 16, L"%02u%02u%02u", now.wHour, now.wMinute, now.wSecond);
  return text;
}

DWORD valueCount(HKEY key) {
  DWORD values = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                   nullptr, nullptr, nullptr);
  return values;
}

using HostAlarmsTest = HostProgramTest;

// The records carry their seconds, so nothing waits for a minute; all seven days make midnight
// harmless. The junk stored beside them must load without harm and stay as it was.
TEST_F(HostAlarmsTest, AlarmsStartAndStopOnTheClockAndAReloadTurnsOffADeletedOne) {
  keepSettings();
  StandinChild standin(L"");
  AlarmMessageLog log(standin.taskbar());
  ASSERT_TRUE(log.installed());
  ChildProcess host(REAL_HOOK_SEAM_HOST_EXE, L"");
  ASSERT_TRUE(waitFor([] { return settingsSubkeyExists(L"this"); }, 10000)) << "not attached";
  HKEY alarms = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\OBR\\Zembrik\\alarms", 0, KEY_ALL_ACCESS,
                          &alarms),
            ERROR_SUCCESS)
      << "the host creates the key";
  EXPECT_EQ(valueCount(alarms), 0u) << "and writes nothing into it";

  const DWORD number = 73000;
  RegSetValueExW(alarms, L"alarm_1", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
  writeText(alarms, L"alarm_2", L"99999999999999999999 d W:SMTWTFS E:3");
  writeText(alarms, L"alarm_3", L"x");
  writeText(alarms, L"alarm_4", L"000001 D20000101 E:3");
  writeText(alarms, L"alarm_" + std::wstring(1100, L'7'), L"000000 d W:SMTWTFS");
  const std::wstring at = localTimeIn(3);
  writeText(alarms, L"name_5", L"tea");
  writeText(alarms, L"alarm_5", at + L" d W:SMTWTFS c:ffffff E:3 >");
  writeText(alarms, L"alarm_6", at + L" d W:SMTWTFS c:ffffff e:3 >");
  const DWORD stored = valueCount(alarms);
  const DWORD reloaded = GetTickCount();
  PostMessageW(findHostWindow(), MSG_RELOAD_ALARMS, 0, 0);

  const auto on5 = log.waitFor(MSG_ALARM_ON, 5, 5000);
  ASSERT_TRUE(on5) << "alarm 5 never started";
  // The alarm's second begins within 3 s of the reload; the one-second timer, of any phase,
  // checks within a second after that.
  EXPECT_LE(on5->tick - reloaded, 4250u);
  EXPECT_TRUE(log.waitFor(MSG_ALARM_ON, 6, 1000));
  const auto off5 = log.waitFor(MSG_ALARM_OFF, 5, 5000);
  ASSERT_TRUE(off5) << "alarm 5 never stopped";
  EXPECT_GE(off5->tick - on5->tick, 2500u);
  EXPECT_LE(off5->tick - on5->tick, 3500u);
  EXPECT_FALSE(log.waitFor(MSG_ALARM_OFF, 6, 2000)) << "\"e:3\" has no automatic end";

  RegDeleteValueW(alarms, L"alarm_6");
  const DWORD deleted = GetTickCount();
  PostMessageW(findHostWindow(), MSG_RELOAD_ALARMS, 0, 0);
  const auto off6 = log.waitFor(MSG_ALARM_OFF, 6, 2000);
  ASSERT_TRUE(off6) << "the deleted ringing alarm was not turned off";
  EXPECT_LE(off6->tick - deleted, 1000u);

  std::printf("alarms at %ls, reload posted at +0 ms\n", at.c_str());
  for (const auto& m : log.messages()) {
    std::printf("alarm message: +%5lu ms (local %02u:%02u:%02u.%03u) %s %d\n",
                static_cast<unsigned long>(m.tick - reloaded), m.local.wHour, m.local.wMinute,
                m.local.wSecond, m.local.wMilliseconds,
                m.message == MSG_ALARM_ON ? "MSG_ALARM_ON " : "MSG_ALARM_OFF", m.number);
  }
  EXPECT_EQ(log.messages().size(), 4u) << "nothing for the junk records";
  EXPECT_EQ(host.waitForExit(0), STILL_ACTIVE);
  EXPECT_EQ(valueCount(alarms), stored - 1) << "the host writes no alarm value";
  RegCloseKey(alarms);
}

}  // namespace
}  // namespace zembrik::testing
