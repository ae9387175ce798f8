// A probe library that a WH_GETMESSAGE hook loads into the stand-in taskbar: it reports every
// MSG_ALARM_ON and MSG_ALARM_OFF its clock window takes from the queue, so tests see what the
// host posted to the clock, and when.
#include <windows.h>

#include "engine/protocol/window_messages.h"
#include "tests/host_integration/alarm_message_probe.h"

namespace {

bool isClock(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return lstrcmpW(name, L"TrayClockWClass") == 0;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    alarmProbeHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    const bool alarm =
        message->message == zembrik::MSG_ALARM_ON || message->message == zembrik::MSG_ALARM_OFF;
    if (alarm && isClock(message->hwnd)) {
      if (HWND listener = FindWindowW(zembrik::testing::kAlarmListenerClass, nullptr)) {
        PostMessageW(listener, zembrik::testing::kClockTookAlarmMessage, message->message,
                     static_cast<LPARAM>(message->wParam));
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
