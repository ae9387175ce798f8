#pragma once
// C_BaseTab: what the six pages of the options program share. A page is a child dialog of the
// main dialog; while it is shown a one-second timer follows the taskbars (the clock-set code),
// and every control change is written at once by the page's own handlers.
#include <windows.h>

#include <memory>

#include "engine/options/clock_set_model.h"
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

  // Creates the page window (hidden, disabled) from its template with the options font. The
  // page works with `clockSet`, which must outlive the page object (its owner is the dialog).
  HWND create(HWND parent, ClockSetModel& clockSet);
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
  // SeedNewKey: called with 1 after a monitor variant key was created (already a copy of the
  // key it refines); the Clock page writes its current values into setKey().
  virtual void seedNewKey(int flag) { (void)flag; }

  OptionsContext& context() const noexcept { return context_; }
  UserInteraction& ui() const noexcept { return context_.ui(); }
  HWND control(int id) const noexcept { return GetDlgItem(window_, id); }
  // Software\OBR\Zembrik, open to read and set values; null when it could not be opened.
  RegistryKey* settingsKey() const noexcept { return clockSet().settingsKey(); }
  // The key of the clock set being edited (or of its monitor variant), for reading; null until
  // the clock-set code knows it. Per-set writes go through clockSet().ownSetKey() or
  // clockSet().writeSetNumber/writeSetText.
  RegistryKey* setKey() const noexcept { return clockSet().setKey(); }
  // The clock-set state all pages of the dialog share (engine/options/clock_set_model.h).
  ClockSetModel& clockSet() const noexcept { return *clockSet_; }
  // NotifyClock: MSG_RELOAD to the host and, by scope, to the clocks.
  void notifyClock(NotifyScope scope) const { clockSet().notifyClock(scope); }

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
  bool hasClockSetCombos() const noexcept;
  // Shows what the model changed in the combos; true when the page must read its per-set
  // values again (the set, its key or its variant changed, or the combos were refilled).
  bool showClockSetChanges(bool refilled);

  OptionsContext& context_;
  int templateId_;
  ClockSetModel* clockSet_ = nullptr;  // set by create(), before the window exists
  HWND window_ = nullptr;
  PageCombos clockSetCombos_;
  ClockSetInUse clockSetSeen_;  // as this page last read its per-set values
  UniqueTimer refreshTimer_;
};

}  // namespace zembrik
