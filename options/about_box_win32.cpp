#include "options/about_box_win32.h"

#include "options/dialog_template_win32.h"
#include "options/options_resources.h"
#include "platform/win32/caught_exception_win32.h"

namespace zembrik {

namespace {

INT_PTR CALLBACK aboutProcedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
  try {
    switch (message) {
      case WM_INITDIALOG:
        return TRUE;
      case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
          EndDialog(window, LOWORD(wParam));
          return TRUE;
        }
        return FALSE;
      default:
        return FALSE;
    }
  } catch (...) {
    recordCaughtException(L"aboutProcedure");
    return FALSE;
  }
}

}  // namespace

void showAboutBox(const OptionsContext& context, HWND owner) {
  const auto copy = loadDialogTemplate(context.instance, IDD_ABOUT, context.font);
  if (!copy.empty())
    DialogBoxIndirectParamW(context.instance, asDialogTemplate(copy), owner, &aboutProcedure, 0);
}

}  // namespace zembrik
