#pragma once
// Lets the messages of other, less privileged processes through to the host window.
#include <windows.h>

#include "host/optional_user32_win32.h"

namespace zembrik {

// An elevated host would otherwise never hear the shell's clock (clicks, attach and failure
// reports), the options program's reloads, "TaskbarCreated" or a non-elevated "stop": the
// system drops messages above WM_USER and most input messages from lower integrity levels.
// Does nothing where ChangeWindowMessageFilterEx does not exist (before Windows 7).
void allowMessagesFromOtherProcesses(HWND hostWindow, const OptionalUser32& user32,
                                     UINT taskbarCreatedMessage);

}  // namespace zembrik
