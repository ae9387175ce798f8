#include "options/today_timeout_dialog_win32.h"

#include <string>

#include "engine/options/form_binding.h"
#include "engine/options/page_general_model.h"
#include "options/dialog_template_win32.h"
#include "options/form_controls_win32.h"
#include "options/page_general_ids.h"
#include "platform/win32/caught_exception_win32.h"

namespace zembrik {

namespace {

struct TimeoutDialogState {
  OptionsContext* context = nullptr;
  std::uint32_t value = 0;
};

bool acceptTimeout(HWND dialog, TimeoutDialogState& state) {
  const CheckedNumber entered =
      checkNumber(controlText(dialog, IDC_TODAY_TIMEOUT_MS), kTodayTimeoutRange);
  if (entered.check != NumberCheck::Accepted) {
    state.context->ui().messageBox(dialog, toWide(rangeHint(kTodayTimeoutRange)), L"Zembrik",
                                   MB_ICONEXCLAMATION | MB_OK);
    SetFocus(GetDlgItem(dialog, IDC_TODAY_TIMEOUT_MS));
    return false;
  }
  state.value = static_cast<std::uint32_t>(entered.value);
  return true;
}

INT_PTR CALLBACK timeoutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    auto* state = reinterpret_cast<TimeoutDialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
      case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        state = reinterpret_cast<TimeoutDialogState*>(lParam);
        setControlText(dialog, IDC_TODAY_TIMEOUT_MS, unsignedText(state->value));
        return TRUE;
      case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && state && acceptTimeout(dialog, *state)) {
          EndDialog(dialog, IDOK);
          return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
          EndDialog(dialog, IDCANCEL);
          return TRUE;
        }
        return FALSE;
      default:
        return FALSE;
    }
  } catch (...) {
    recordCaughtException(L"timeoutProcedure");
    return FALSE;
  }
}

}  // namespace

std::optional<std::uint32_t> askTodayTimeout(OptionsContext& context, HWND owner,
                                             std::uint32_t offered) {
  const auto copy = loadDialogTemplate(context.instance, IDD_TODAY_TIMEOUT, context.font);
  if (copy.empty())
    return std::nullopt;
  TimeoutDialogState state{&context, offered};
  const INT_PTR result =
      DialogBoxIndirectParamW(context.instance, asDialogTemplate(copy), owner, timeoutProcedure,
                              reinterpret_cast<LPARAM>(&state));
  if (result != IDOK)
    return std::nullopt;
  return state.value;
}

}  // namespace zembrik
