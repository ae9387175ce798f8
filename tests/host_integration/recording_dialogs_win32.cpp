// The host's message boxes for the integration tests: recorded, answered, never shown.
#include <string>

#include "host/user_dialogs_win32.h"
#include "tests/host_integration/seam_log.h"
#include "tests/host_integration/test_seams.h"

namespace zembrik {

namespace {

// What a real box does while the user reads it: the thread's messages are dispatched (so the
// host window procedure runs inside the box), and WM_QUIT ends the box and is posted again.
void holdLikeAModalLoop(DWORD holdMs) {
  const DWORD start = GetTickCount();
  for (DWORD elapsed = 0; elapsed < holdMs; elapsed = GetTickCount() - start) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, holdMs - elapsed, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

}  // namespace

int showMessageBox(HWND, std::wstring_view text, std::wstring_view caption, UINT type) {
  std::wstring line(caption);
  line += L'|';
  for (wchar_t c : text) line += c == L'\n' ? std::wstring(L"\\n") : std::wstring(1, c);
  line += L'|' + std::to_wstring(type);
  testing::appendLine(ZEMBRIK_DIALOG_LOG_VARIABLE, line);
  const std::wstring hold = testing::environmentText(ZEMBRIK_DIALOG_HOLD_VARIABLE);
  if (!hold.empty())
    holdLikeAModalLoop(static_cast<DWORD>(_wtoi(hold.c_str())));
  const bool yes = testing::environmentText(ZEMBRIK_DIALOG_ANSWER_VARIABLE) == L"yes";
  if ((type & MB_TYPEMASK) == MB_YESNO)
    return yes ? IDYES : IDNO;
  return IDOK;
}

}  // namespace zembrik
