#include "options/modal_dialog_win32.h"

#include "options/dialog_template_win32.h"
#include "platform/win32/caught_exception_win32.h"

namespace zembrik {

INT_PTR ModalDialog::runModal(HWND owner, const OptionsContext& context, int templateId) {
  const auto copy = loadDialogTemplate(context.instance, templateId, context.font);
  if (copy.empty())
    return -1;
  return DialogBoxIndirectParamW(context.instance, asDialogTemplate(copy), owner, &dialogProcedure,
                                 reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK ModalDialog::dialogProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  ModalDialog* dialog = nullptr;
  try {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrW(window, DWLP_USER, lParam);
      reinterpret_cast<ModalDialog*>(lParam)->window_ = window;
    }
    // Null for the messages before WM_INITDIALOG (WM_SETFONT): they take the default handling.
    dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    return dialog ? dialog->handleMessage(message, wParam, lParam) : FALSE;
  } catch (...) {
    recordCaughtException(dialog ? dialog->procedureName_ : L"ModalDialog::dialogProcedure");
    return FALSE;
  }
}

INT_PTR ModalDialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      onInitDialog();
      return TRUE;
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    default:
      return onMessage(message, wParam, lParam);
  }
}

}  // namespace zembrik
