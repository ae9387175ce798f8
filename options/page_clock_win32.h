#pragma once
// The "Clock" page of the options program: the grid of the clock face being edited, the
// selected cell's fields and the space around the clock. The page model does the work; this
// class moves values between the controls and the model.
#include <memory>
#include <vector>

#include "engine/options/clock_page_model.h"
#include "engine/options/clock_page_services.h"
#include "options/base_tab_win32.h"
#include "options/clock_set_windows_win32.h"

namespace zembrik {

class CTabClock : public C_BaseTab {
 public:
  explicit CTabClock(OptionsContext& context);
  ~CTabClock() override;

 protected:
  void onInitPage() override;
  void onRefresh(bool setChanged) override;
  bool onCommand(int controlId, int notification, HWND control) override;
  bool onNotify(const NMHDR& header, LRESULT& result) override;
  void seedNewKey(int flag) override;

 private:
  void fillGrid();
  void showFaceValues();
  void showSelectedCell();
  void showCommandStates();
  void setSelectedCellControlsVisible(bool visible);
  void setFieldText(int id, const std::wstring& text);
  void setFieldNumber(int id, int value);
  void showHint(int hintId, const FieldResult& result);
  void onGridSelectionChanged(const NMHDR& header);
  void onCellTextChanged();
  void onCellNumberChanged(int id);
  void onCellNumberLeft(int id);
  void onSpaceChanged(int id);
  void onCellCheck(int id);
  void onFaceSeparatorClicked();
  void onColorChecked();
  void onChooseColor();
  void onChooseFont();
  void onGridCommand(int id);
  bool checked(int id) const;
  void check(int id, bool on);

  Win32ClockSetWindows windows_;  // the taskbar the default layout is measured on
  std::unique_ptr<ClockSetPageServices> services_;
  std::unique_ptr<ClockPageModel> model_;
  std::vector<HWND> selectedCellControls_;  // every control wholly inside the group
  bool showingValues_ = false;              // notifications caused by the page itself are not edits
};

}  // namespace zembrik
