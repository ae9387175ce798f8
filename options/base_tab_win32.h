#pragma once
// C_BaseTab: what the six pages of the options program share. A page is a child dialog of the
// main dialog; while it is shown a one-second timer follows the taskbars (the clock-set code),
// and every control change is written at once by the page's own handlers.
#include <windows.h>

#include <memory>

#include "engine/registry/registry_key.h"
#include "options/options_context_win32.h"
#include "platform/win32/window_bindings_win32.h"

namespace zembrik {

class C_BaseTab {
 public:
  C_BaseTab(OptionsContext& context, int templateId);
  virtual ~C_BaseTab();
  C_BaseTab(const C_BaseTab&) = delete;
  C_BaseTab& operator=(const C_BaseTab&) = delete;

  // Creates the page window (hidden, disabled) from its template with the options font.
  HWND create(HWND parent);
  HWND window() const noexcept { return window_; }
  int templateId() const noexcept { return templateId_; }
  // Shown and enabled with its refresh timer running, or hidden, disabled and idle.
  void setVisible(bool visible);

  static constexpr UINT_PTR kRefreshTimerId = 357;
  static constexpr UINT kRefreshMilliseconds = 1000;

 protected:
  // Page hooks, called by the base after its own work. Each page overrides what it needs.
  // After the page window and its settings key exist: fill the controls.
  virtual void onInitPage() {}
  // After each clock-set refresh (page shown, timer 357, a choice in combo 1100 or 1102);
  // `setChanged` says that per-set values must be read again from setKey().
  virtual void onRefresh(bool setChanged) { (void)setChanged; }
  // WM_COMMAND from a control of the page: true when handled.
  virtual bool onCommand(int controlId, int notification, HWND control) {
    (void)controlId, (void)notification, (void)control;
    return false;
  }
  // WM_NOTIFY from a control of the page: true when handled (`result` is then returned).
  virtual bool onNotify(const NMHDR& header, LRESULT& result) {
    (void)header, (void)result;
    return false;
  }
  // Any other message: true when handled (`result` is then the dialog procedure's result).
  virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    (void)message, (void)wParam, (void)lParam, (void)result;
    return false;
  }
  // Before the keys close with the window: take the controls' values into the page.
  virtual void onDestroyPage() {}

  OptionsContext& context() const noexcept { return context_; }
  UserInteraction& ui() const noexcept { return context_.ui(); }
  HWND control(int id) const noexcept { return GetDlgItem(window_, id); }
  // Software\OBR\Zembrik, open to read and set values; null when it could not be opened.
  RegistryKey* settingsKey() const noexcept { return settingsKey_.get(); }
  // The key of the clock set being edited (or of its monitor variant); null until the
  // clock-set code knows it.
  RegistryKey* setKey() const noexcept { return setKey_.get(); }

 private:
  static INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void onInitDialog();
  void onTimer(UINT_PTR id);
  INT_PTR onCommandMessage(WPARAM wParam, LPARAM lParam);
  void onDestroy();
  void refresh();

  // Clock-set hooks, filled in by the clock-set code (options/clock_set_*_win32.*): run
  // SelectClockSet for this page (its combos when it has 1100 and 1102) and say whether the
  // set key changed; handle a choice made in combo 1100 or 1102.
  bool selectClockSet();
  void onClockSetChosen();
  void onMonitorChosen();

  OptionsContext& context_;
  int templateId_;
  HWND window_ = nullptr;
  std::unique_ptr<RegistryKey> settingsKey_;
  std::unique_ptr<RegistryKey> setKey_;
  UniqueTimer refreshTimer_;
};

}  // namespace zembrik
