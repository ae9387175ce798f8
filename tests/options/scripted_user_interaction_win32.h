#pragma once
// The user as a test plays it: message boxes, choosers and program starts are answered from a
// script and logged, and nothing is ever shown.
#include <windows.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "options/user_interaction_win32.h"

namespace zembrik::testing {

enum class InteractionKind { MessageBox, ChooseFont, ChooseColour, StartProgram, OpenDocument };

struct InteractionRecord {
  InteractionKind kind = InteractionKind::MessageBox;
  std::wstring caption;  // message box caption
  std::wstring text;     // box text, program path and arguments, or the address opened
  UINT icon = 0;         // MB_ICON* bits of a box
  UINT buttons = 0;      // MB_OK, MB_YESNO, ... of a box
};

class ScriptedUserInteraction final : public UserInteraction {
 public:
  // Answers are used in the order queued. Without one, a box answers its first button (IDOK,
  // IDYES, IDRETRY, IDABORT), a chooser is cancelled and a program start succeeds.
  void answerMessageBox(int answer) { boxAnswers_.push_back(answer); }
  void answerFont(const LOGFONTW& font, int pointSizeTenths) {
    fontAnswers_.push_back(FontAnswer{font, pointSizeTenths});
  }
  void cancelFont() { fontAnswers_.push_back(std::nullopt); }
  void answerColour(COLORREF colour) { colourAnswers_.push_back(colour); }
  void cancelColour() { colourAnswers_.push_back(std::nullopt); }
  void answerStartProgram(bool started) { startAnswers_.push_back(started); }

  const std::vector<InteractionRecord>& log() const noexcept { return log_; }
  void clearLog() { log_.clear(); }
  // The logged message boxes' texts, in order.
  std::vector<std::wstring> messageBoxTexts() const;

  int messageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT type) override;
  bool chooseFont(CHOOSEFONTW& request) override;
  bool chooseColour(CHOOSECOLORW& request) override;
  bool startProgram(std::wstring_view programPath, std::wstring_view arguments) override;
  bool openDocument(std::wstring_view address) override;

 private:
  struct FontAnswer {
    LOGFONTW font;
    int pointSizeTenths;
  };
  std::deque<int> boxAnswers_;
  std::deque<std::optional<FontAnswer>> fontAnswers_;
  std::deque<std::optional<COLORREF>> colourAnswers_;
  std::deque<bool> startAnswers_;
  std::vector<InteractionRecord> log_;
};

}  // namespace zembrik::testing
