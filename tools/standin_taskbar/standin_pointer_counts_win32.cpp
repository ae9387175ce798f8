// What the pointer made the stand-in do, for tests to read: taskbar menus, show-desktop clicks,
// the date and time panel; and the native clock's tooltip text.

#include "tools/standin_taskbar/standin_shell_win32.h"
// After windows.h, which commctrl.h needs.
#include <commctrl.h>

#include <iterator>

namespace standin {

LRESULT onPointerCountMessage(Shell& shell, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
  const PointerCounts& counts = shell.pointerCounts();
  switch (message) {
    case kMsgTaskbarMenus:
      return counts.taskbarMenus;
    case kMsgLastTaskbarMenuPoint:
      return static_cast<LRESULT>(packPoint(counts.lastMenuPoint.x, counts.lastMenuPoint.y));
    case kMsgShowDesktopClicks:
      return counts.showDesktopClicks;
    case kMsgEndMenu:
      EndMenu();
      return 1;
    case kMsgDateTimePanel:
      return static_cast<LRESULT>(HandleToULong(shell.dateTimePanel()));
  }
  return 0;
}

bool answerClockTipText(HWND clock, LPARAM lParam) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header || header->idFrom != reinterpret_cast<UINT_PTR>(clock))
    return false;
  if (header->code == TTN_GETDISPINFOW) {
    auto& info = *reinterpret_cast<NMTTDISPINFOW*>(lParam);
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr, info.szText,
                   static_cast<int>(std::size(info.szText)));
    info.lpszText = info.szText;
    return true;
  }
  if (header->code == TTN_GETDISPINFOA) {
    auto& info = *reinterpret_cast<NMTTDISPINFOA*>(lParam);
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr, info.szText,
                   static_cast<int>(sizeof(info.szText)));
    info.lpszText = info.szText;
    return true;
  }
  return false;
}

}  // namespace standin
