#include "host/user_dialogs_win32.h"

#include <string>

namespace zembrik {

int showMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT type) {
  return MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(caption).c_str(), type);
}

}  // namespace zembrik
