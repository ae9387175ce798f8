#pragma once
// CTabAlarms: the "Alarms" page of the options program. A read-only table of the alarms with the
// time left until each rings, refreshed every second, and the buttons that add, edit, delete and
// switch them. The alarms and every change live in AlarmsPageModel.
#include <memory>

#include "engine/options/alarms_page_model.h"
#include "options/base_tab_win32.h"
#include "platform/win32/window_bindings_win32.h"

namespace zembrik {

class CTabAlarms : public C_BaseTab {
 public:
  explicit CTabAlarms(OptionsContext& context);

  static constexpr UINT_PTR kRowsTimerId = 789;

 protected:
  void onInitPage() override;
  bool onCommand(int controlId, int notification, HWND control) override;
  bool onNotify(const NMHDR& header, LRESULT& result) override;
  void onDestroyPage() override;

 private:
  static void CALLBACK onRowsTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
  HWND grid() const { return control(1030); }
  // Sorts for the current time, rewrites the rows and selects the selected alarm's row again.
  void refreshTable();
  void fillRows();
  void updateButtons();
  void onSelectionChanged();
  void addAlarm();
  void editSelected();
  void deleteSelected();
  void switchSelected();
  void showRegistryError();

  std::unique_ptr<AlarmsPageModel> model_;
  UniqueTimer rowsTimer_;
};

// Tells the host window and the primary clock, each when found, to read the alarms again.
void postAlarmsReload();

}  // namespace zembrik
