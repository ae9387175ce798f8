#pragma once
// What the options program asks of the user or hands to the system outside its own windows:
// message boxes, the font and colour choosers, starting a program and opening a document. The
// program shows them for real (user_interaction_shipped_win32.cpp); tests script the answers
// and read a log instead, so that no test ever waits on a dialog.
#include <windows.h>

#include <commdlg.h>

#include <string_view>

namespace zembrik {

class UserInteraction {
 public:
  virtual ~UserInteraction() = default;

  // As MessageBoxW: returns IDOK, IDYES, IDNO, ...
  virtual int messageBox(HWND owner, std::wstring_view text, std::wstring_view caption,
                         UINT type) = 0;
  // As ChooseFontW and ChooseColorW: true when the user chose; the request then holds the choice
  // (lpLogFont and iPointSize, or rgbResult).
  virtual bool chooseFont(CHOOSEFONTW& request) = 0;
  virtual bool chooseColour(CHOOSECOLORW& request) = 0;
  // Starts a program (the restart after a new dialog font); true when it started.
  virtual bool startProgram(std::wstring_view programPath, std::wstring_view arguments) = 0;
  // Opens a document or address with the shell's "open" verb (the help file).
  virtual bool openDocument(std::wstring_view address) = 0;

  // An error box: caption "Error", exclamation icon, OK.
  void showError(HWND owner, std::wstring_view text) {
    messageBox(owner, text, L"Error", MB_ICONEXCLAMATION | MB_OK);
  }
};

// The shipped implementation: shows every box and chooser for real.
UserInteraction& shippedUserInteraction();

}  // namespace zembrik
