#include "options/page_customization_win32.h"

#include <array>
#include <optional>

#include "options/form_controls_win32.h"
#include "options/page_customization_ids.h"

namespace zembrik {

namespace {

// The edits in the order of kCustomTexts.
constexpr std::array<int, 12> kTextIds = {
    IDC_TEXT_AM,       IDC_TEXT_PM,      IDC_TEXT_CAPS_ON,   IDC_TEXT_CAPS_OFF,
    IDC_TEXT_NUM_ON,   IDC_TEXT_NUM_OFF, IDC_TEXT_SCROLL_ON, IDC_TEXT_SCROLL_OFF,
    IDC_WEEKDAYS_ABBR, IDC_WEEKDAYS,     IDC_MONTHS_ABBR,    IDC_MONTHS};

// The lists in the order of MouseButton.
constexpr std::array<int, 3> kMouseIds = {IDC_MOUSE_LEFT, IDC_MOUSE_MIDDLE, IDC_MOUSE_RIGHT};

bool isTextId(int id) {
  for (int textId : kTextIds) {
    if (textId == id)
      return true;
  }
  return false;
}

std::optional<MouseButton> mouseButtonOf(int id) {
  for (std::size_t b = 0; b < kMouseIds.size(); ++b) {
    if (kMouseIds[b] == id)
      return static_cast<MouseButton>(b);
  }
  return std::nullopt;
}

}  // namespace

CTabCustom::CTabCustom(OptionsContext& context) : C_BaseTab(context, IDD_PAGE_CUSTOMIZATION) {}

CTabCustom::~CTabCustom() = default;

void CTabCustom::onInitPage() {
  services_ = makeFormPageServices(clockSet(), ui(), window());
  typing_ = std::make_unique<TypingNotifications>(*services_, window());
  model_ = std::make_unique<CustomizationPageModel>(typing_->services(), context().oldSystem);
  model_->load();
  filling_ = true;
  for (int id : kMouseIds) fillList(window(), id, kMouseItemTexts);
  showState();
  filling_ = false;
}

void CTabCustom::showState() {
  const CustomizationPageState& s = model_->state();
  for (std::size_t i = 0; i < kTextIds.size(); ++i)
    setControlText(window(), kTextIds[i], s.texts[i]);
  for (std::size_t b = 0; b < kMouseIds.size(); ++b) {
    const MouseChoice& choice = s.mouse[b];
    selectListItem(window(), kMouseIds[b], choice.item);  // -1 clears the selection
    if (choice.item < 0)
      setControlText(window(), kMouseIds[b], choice.program);
  }
}

bool CTabCustom::onCommand(int controlId, int notification, HWND) {
  if (!model_ || filling_)
    return false;
  // Typing writes every keystroke; the clocks reload at most once per interval and once after
  // the last keystroke. A choice from a list reloads them at once.
  if (notification == EN_CHANGE && isTextId(controlId)) {
    std::array<std::u16string, 12> texts;
    for (std::size_t i = 0; i < kTextIds.size(); ++i) texts[i] = controlText(window(), kTextIds[i]);
    typing_->typed([&] { model_->setTexts(texts); });
    return true;
  }
  const auto button = mouseButtonOf(controlId);
  if (!button)
    return false;
  if (notification == CBN_SELCHANGE) {
    model_->chooseMouseItem(*button, listSelection(window(), controlId));
    return true;
  }
  if (notification == CBN_EDITCHANGE) {
    const std::u16string typed = controlText(window(), controlId);
    typing_->typed([&] { model_->typeMouseProgram(*button, typed); });
    return true;
  }
  return false;
}

void CTabCustom::onDestroyPage() {
  if (typing_)
    typing_->flush();
  if (model_)
    model_->close();
}

}  // namespace zembrik
