#include "options/select_tzone_win32.h"

#include <string>

#include "options/modal_dialog_script_win32.h"
#include "options/page_timezones_ids.h"
#include "platform/win32/wide_text_win32.h"

namespace zembrik {

namespace {

std::u16string controlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return portable(text);
}

}  // namespace

std::optional<ZoneChoiceDialog::Outcome> CSelectTZone::run(HWND owner, OptionsContext& context,
                                                           ZoneChoiceDialog choice) {
  CSelectTZone dialog(context, std::move(choice));
  if (dialog.runModal(owner, context, IDD_SELECT_TZONE) != IDOK)
    return std::nullopt;
  return dialog.outcome_;
}

void CSelectTZone::onInitDialog() {
  HWND zones = GetDlgItem(window(), IDC_TZONE_ZONE);
  for (const ZoneOffer& offer : choice_.offers())
    SendMessageW(zones, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(offer.displayName).c_str()));
  if (const auto selected = choice_.selected())
    SendMessageW(zones, CB_SETCURSEL, *selected, 0);
  showNames();
  runModalDialogScript(window(), IDD_SELECT_TZONE);
}

void CSelectTZone::showNames() {
  settingTexts_ = true;
  const ZoneNames& names = choice_.names();
  for (const auto& [id, text] : {std::pair{IDC_TZONE_ABBREVIATION, &names.abbreviation},
                                 std::pair{IDC_TZONE_STANDARD, &names.standardName},
                                 std::pair{IDC_TZONE_DAYLIGHT, &names.daylightName}}) {
    if (controlText(window(), id) != *text)
      SetDlgItemTextW(window(), id, wide(*text).c_str());
  }
  EnableWindow(GetDlgItem(window(), IDC_TZONE_DAYLIGHT), choice_.daylightEnabled() ? TRUE : FALSE);
  settingTexts_ = false;
}

void CSelectTZone::onCommand(int id, int notification) {
  if (id == IDOK) {
    onOk();
    return;
  }
  if (id == IDCANCEL) {
    EndDialog(window(), IDCANCEL);
    return;
  }
  if (settingTexts_)
    return;
  if (notification == EN_CHANGE) {
    const std::u16string text = controlText(window(), id);
    if (id == IDC_TZONE_ABBREVIATION)
      choice_.abbreviationChanged(text);
    else if (id == IDC_TZONE_STANDARD)
      choice_.standardNameChanged(text);
    else if (id == IDC_TZONE_DAYLIGHT)
      choice_.daylightNameChanged(text);
    else
      return;
    showNames();
  } else if (notification == CBN_SELCHANGE && id == IDC_TZONE_ZONE) {
    const auto item = SendDlgItemMessageW(window(), IDC_TZONE_ZONE, CB_GETCURSEL, 0, 0);
    if (item >= 0)
      choice_.choose(static_cast<std::size_t>(item));
    showNames();
  }
}

void CSelectTZone::onOk() {
  const ZoneChoiceDialog::Outcome outcome = choice_.ok();
  if (!outcome.accepted) {
    if (!outcome.message.empty()) {
      context_.ui().messageBox(window(), wide(outcome.message), L"Select Timezone and abbreviation",
                               MB_ICONEXCLAMATION | MB_OK);
    }
    return;
  }
  outcome_ = outcome;
  EndDialog(window(), IDOK);
}

}  // namespace zembrik
