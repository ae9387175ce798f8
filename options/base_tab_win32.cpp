#include "options/base_tab_win32.h"

#include <string>

#include "engine/host_rules/settings_version.h"
#include "engine/settings/settings_paths.h"
#include "options/base_tab_ids.h"
#include "options/dialog_template_win32.h"
#include "platform/win32/caught_exception_win32.h"
#include "platform/win32/registry_win32.h"

namespace zembrik {

C_BaseTab::C_BaseTab(OptionsContext& context, int templateId)
    : context_(context), templateId_(templateId) {}

C_BaseTab::~C_BaseTab() {
  if (window_ != nullptr)
    DestroyWindow(window_);
}

HWND C_BaseTab::create(HWND parent, ClockSetModel& clockSet) {
  clockSet_ = &clockSet;
  const auto copy = loadDialogTemplate(context_.instance, templateId_, context_.font);
  if (copy.empty())
    return nullptr;
  CreateDialogIndirectParamW(context_.instance, asDialogTemplate(copy), parent, &dialogProcedure,
                             reinterpret_cast<LPARAM>(this));
  return window_;
}

void C_BaseTab::setVisible(bool visible) {
  if (window_ == nullptr)
    return;
  EnableWindow(window_, visible ? TRUE : FALSE);
  ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
  if (visible) {
    refresh();
    refreshTimer_ = UniqueTimer(window_, kRefreshTimerId, kRefreshMilliseconds);
  } else {
    refreshTimer_.reset();
  }
}

INT_PTR CALLBACK C_BaseTab::dialogProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      auto* page = reinterpret_cast<C_BaseTab*>(lParam);
      SetWindowLongPtrW(window, DWLP_USER, lParam);
      page->window_ = window;
    }
    auto* page = reinterpret_cast<C_BaseTab*>(GetWindowLongPtrW(window, DWLP_USER));
    if (page == nullptr)
      return FALSE;
    const INT_PTR result = page->handleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(window, DWLP_USER, 0);
      page->window_ = nullptr;
    }
    return result;
  } catch (...) {
    recordCaughtException(L"C_BaseTab::dialogProcedure");
    return FALSE;
  }
}

INT_PTR C_BaseTab::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      onInitDialog();
      return TRUE;
    case WM_TIMER:
      onTimer(wParam);
      return TRUE;
    case WM_COMMAND:
      return onCommandMessage(wParam, lParam);
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (!onNotify(*reinterpret_cast<const NMHDR*>(lParam), result))
        return FALSE;
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_DESTROY:
      onDestroy();
      return TRUE;
    default: {
      INT_PTR result = FALSE;
      return onMessage(message, wParam, lParam, result) ? result : FALSE;
    }
  }
}

void C_BaseTab::onInitDialog() {
  // The page stays when the settings key cannot be opened; its writes are skipped.
  clockSet().openSettingsKey();
  onInitPage();
}

void C_BaseTab::onTimer(UINT_PTR id) {
  if (id == kRefreshTimerId && IsWindowVisible(window_))
    refresh();
}

INT_PTR C_BaseTab::onCommandMessage(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const int notification = HIWORD(wParam);
  if (notification == CBN_SELCHANGE && id == IDC_CLOCK_SET_COMBO) {
    onClockSetChosen();
    return TRUE;
  }
  if (notification == CBN_SELCHANGE && id == IDC_MONITOR_COMBO) {
    onMonitorChosen();
    return TRUE;
  }
  return onCommand(id, notification, reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
}

void C_BaseTab::onDestroy() {
  onDestroyPage();
  refreshTimer_.reset();
  // The keys stay open: sibling pages still hold the settings key, and the dialog's clock-set
  // state closes them when it goes, after the last page.
}

void C_BaseTab::refresh() {
  onRefresh(selectClockSet());
}

}  // namespace zembrik
