// The host's message boxes for the integration tests: recorded, answered, never shown.
#include <string>

#include "seam_log.h"
#include "test_seams.h"
#include "user_dialogs_win32.h"

namespace zembrik {

int showMessageBox(HWND, std::wstring_view text, std::wstring_view caption, UINT type) {
  std::wstring line(caption);
  line += L'|';
  for (wchar_t c : text) line += c == L'\n' ? std::wstring(L"\\n") : std::wstring(1, c);
  line += L'|' + std::to_wstring(type);
  testing::appendLine(ZEMBRIK_DIALOG_LOG_VARIABLE, line);
  const bool yes = testing::environmentText(ZEMBRIK_DIALOG_ANSWER_VARIABLE) == L"yes";
  if ((type & MB_TYPEMASK) == MB_YESNO)
    return yes ? IDYES : IDNO;
  return IDOK;
}

}  // namespace zembrik
