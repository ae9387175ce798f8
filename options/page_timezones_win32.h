#pragma once
// CTabTZones: the "Time Zones" page of the options program. The zones given short names in
// `tzones`, in a sortable table, edited through CSelectTZone, and the locale of the "ZN" names.
// The zones and every change live in TimeZonesPageModel.
#include <functional>
#include <memory>

#include "engine/options/timezones_page_model.h"
#include "options/base_tab_win32.h"

namespace zembrik {

class CTabTZones : public C_BaseTab {
 public:
  explicit CTabTZones(OptionsContext& context);

 protected:
  void onInitPage() override;
  bool onCommand(int controlId, int notification, HWND control) override;
  bool onNotify(const NMHDR& header, LRESULT& result) override;

 private:
  HWND grid() const { return control(1030); }
  void fillLocales();
  void fillTable();
  void showSortIndicator();
  // The row of the selection when it lies in one data row.
  std::optional<std::size_t> selectedRow() const;
  void addZone();
  void editSelected();
  void deleteSelected();
  void onLocaleChosen();
  void notifyClocks();

  std::unique_ptr<TimeZonesPageModel> model_;
};

}  // namespace zembrik
