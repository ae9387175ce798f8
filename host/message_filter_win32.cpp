#include "host/message_filter_win32.h"

#include "engine/protocol/window_messages.h"

namespace zembrik {

namespace {

constexpr DWORD kFilterAllow = 1;      // MSGFLT_ALLOW
constexpr UINT kMouseHWheel = 0x020E;  // WM_MOUSEHWHEEL, not declared for XP

// What reaches the host window from another process: the hook library's reports and forwarded
// mouse messages (from the shell), the options program's reloads, a second host's stop.
constexpr UINT kMessagesFromOtherProcesses[] = {
    MSG_START_FAILED, MSG_CLOCK_ATTACHED, MSG_RELOAD,       MSG_RELOAD_ALARMS, MSG_CLOCK_CLICKED,
    MSG_GET_SIZE,     MSG_CLOCK_SHOWN,    WM_LBUTTONDOWN,   WM_LBUTTONUP,      WM_LBUTTONDBLCLK,
    WM_RBUTTONDOWN,   WM_RBUTTONUP,       WM_RBUTTONDBLCLK, WM_MBUTTONDOWN,    WM_MBUTTONUP,
    WM_MBUTTONDBLCLK, WM_XBUTTONDOWN,     WM_XBUTTONUP,     WM_XBUTTONDBLCLK,  WM_MOUSEWHEEL,
    kMouseHWheel,     WM_CONTEXTMENU,     WM_DROPFILES,     WM_ENDSESSION,
};

}  // namespace

void allowMessagesFromOtherProcesses(HWND hostWindow, const OptionalUser32& user32,
                                     UINT taskbarCreatedMessage) {
  const auto allow = user32.changeWindowMessageFilterEx;
  if (!allow || !hostWindow)
    return;
  for (UINT message : kMessagesFromOtherProcesses)
    allow(hostWindow, message, kFilterAllow, nullptr);
  if (taskbarCreatedMessage != 0)
    allow(hostWindow, taskbarCreatedMessage, kFilterAllow, nullptr);
}

}  // namespace zembrik
