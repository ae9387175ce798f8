#pragma once
// ModalDialog: what the options program's modal dialogs share. The dialog runs from a copy of
// its template in the options font, and the object, kept in DWLP_USER from WM_INITDIALOG on,
// receives the messages; nothing it throws leaves the dialog procedure.
#include <windows.h>

#include "options/options_context_win32.h"

namespace zembrik {

class ModalDialog {
 public:
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

 protected:
  // `procedureName` is what an exception caught in the dialog procedure is recorded under.
  explicit ModalDialog(const wchar_t* procedureName) noexcept : procedureName_(procedureName) {}
  ~ModalDialog() = default;

  // Shows the dialog of template `templateId` owned by `owner` and returns when it ends: the
  // code given to EndDialog, or -1 when it could not be shown (no such template, as
  // DialogBoxIndirectParamW says of a failure).
  INT_PTR runModal(HWND owner, const OptionsContext& context, int templateId);
  // The dialog window while it runs, from WM_INITDIALOG on.
  HWND window() const noexcept { return window_; }

  // Dialog hooks, called from WM_INITDIALOG on. Fill the controls:
  virtual void onInitDialog() = 0;
  // WM_COMMAND from a control or a button (IDOK, IDCANCEL):
  virtual void onCommand(int id, int notification) = 0;
  // Any other message: the dialog procedure's result (FALSE takes the default handling).
  virtual INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    (void)message, (void)wParam, (void)lParam;
    return FALSE;
  }

 private:
  static INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  const wchar_t* procedureName_;
  HWND window_ = nullptr;
};

}  // namespace zembrik
