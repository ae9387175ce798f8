#include "tests/options/scripted_user_interaction_win32.h"

namespace zembrik::testing {

namespace {

int firstButton(UINT buttons) {
  switch (buttons) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
      return IDYES;
    case MB_RETRYCANCEL:
      return IDRETRY;
    case MB_ABORTRETRYIGNORE:
      return IDABORT;
    default:
      return IDOK;
  }
}

template <typename Answer>
std::optional<Answer> takeFront(std::deque<Answer>& queue) {
  if (queue.empty())
    return std::nullopt;
  Answer answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}

}  // namespace

std::vector<std::wstring> ScriptedUserInteraction::messageBoxTexts() const {
  std::vector<std::wstring> texts;
  for (const auto& record : log_) {
    if (record.kind == InteractionKind::MessageBox)
      texts.push_back(record.text);
  }
  return texts;
}

int ScriptedUserInteraction::messageBox(HWND, std::wstring_view text, std::wstring_view caption,
                                        UINT type) {
  InteractionRecord record;
  record.kind = InteractionKind::MessageBox;
  record.caption = caption;
  record.text = text;
  record.icon = type & MB_ICONMASK;
  record.buttons = type & MB_TYPEMASK;
  log_.push_back(record);
  return takeFront(boxAnswers_).value_or(firstButton(record.buttons));
}

bool ScriptedUserInteraction::chooseFont(CHOOSEFONTW& request) {
  log_.push_back({InteractionKind::ChooseFont, {}, request.lpLogFont->lfFaceName, 0, 0});
  const auto answer = takeFront(fontAnswers_).value_or(std::nullopt);
  if (!answer)
    return false;
  *request.lpLogFont = answer->font;
  request.iPointSize = answer->pointSizeTenths;
  return true;
}

bool ScriptedUserInteraction::chooseColour(CHOOSECOLORW& request) {
  log_.push_back({InteractionKind::ChooseColour, {}, std::to_wstring(request.rgbResult), 0, 0});
  const auto answer = takeFront(colourAnswers_).value_or(std::nullopt);
  if (!answer)
    return false;
  request.rgbResult = *answer;
  return true;
}

bool ScriptedUserInteraction::startProgram(std::wstring_view programPath,
                                           std::wstring_view arguments) {
  std::wstring text(programPath);
  if (!arguments.empty())
    text += L" " + std::wstring(arguments);
  log_.push_back({InteractionKind::StartProgram, {}, text, 0, 0});
  return takeFront(startAnswers_).value_or(true);
}

bool ScriptedUserInteraction::openDocument(std::wstring_view address) {
  log_.push_back({InteractionKind::OpenDocument, {}, std::wstring(address), 0, 0});
  return true;
}

}  // namespace zembrik::testing
