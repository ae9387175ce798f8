#include "options/clock_set_combos_win32.h"

#include "options/base_tab_ids.h"

namespace zembrik {
namespace {

void fillCombo(HWND combo, const std::vector<ComboItem>& items, int selection) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const ComboItem& item : items) {
    std::wstring text(item.text.begin(), item.text.end());
    LRESULT index = SendMessageW(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text.c_str()));
    if (index >= 0)
      SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(index),
                   static_cast<LPARAM>(static_cast<std::uint32_t>(item.data)));
  }
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}

}  // namespace

void showClockSetCombos(HWND page, const PageCombos& combos) {
  HWND setCombo = GetDlgItem(page, IDC_CLOCK_SET_COMBO);
  HWND label = GetDlgItem(page, IDC_CLOCK_SET_LABEL);
  const ClockSetCombo& set = combos.clockSet;
  if (combos.changes.setComboRefilled) {
    fillCombo(setCombo, set.items, set.selection);
    ShowWindow(setCombo, set.comboShown ? SW_SHOWNA : SW_HIDE);
    ShowWindow(label, set.comboShown ? SW_HIDE : SW_SHOWNA);
  }
  if (combos.changes.setSelectionMoved) {
    SendMessageW(setCombo, CB_SETCURSEL, static_cast<WPARAM>(set.selection), 0);
    std::wstring text(set.label.begin(), set.label.end());
    SetWindowTextW(label, text.c_str());
  }
  if (combos.changes.monitorComboRefilled)
    fillCombo(GetDlgItem(page, IDC_MONITOR_COMBO), combos.monitor.items, combos.monitor.selection);
}

std::optional<int> comboSelection(HWND combo) {
  LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR)
    return std::nullopt;
  return static_cast<int>(index);
}

}  // namespace zembrik
