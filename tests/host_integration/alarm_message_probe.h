#pragma once
// What the alarm-message probe library posts (see alarm_message_probe.cpp).

namespace zembrik::testing {

inline constexpr wchar_t kAlarmListenerClass[] = L"ZembrikAlarmListener";
// wParam: the message the clock took (MSG_ALARM_ON or MSG_ALARM_OFF), lParam: its wParam.
inline constexpr unsigned kClockTookAlarmMessage = 0x8000 + 0x51;
inline constexpr char kAlarmProbeHookName[] = "alarmProbeHook";

}  // namespace zembrik::testing
