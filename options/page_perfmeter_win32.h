#pragma once
// The "PerfMeter" page of the options program.
#include <memory>

#include "engine/options/page_perfmeter_model.h"
#include "options/base_tab_win32.h"
#include "options/form_page_services_win32.h"

namespace zembrik {

class CTabPerf : public C_BaseTab {
 public:
  explicit CTabPerf(OptionsContext& context);
  ~CTabPerf() override;

 protected:
  void onRefresh(bool setChanged) override;
  bool onCommand(int controlId, int notification, HWND control) override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void setUpControls();
  void showState();
  bool onButton(int controlId);
  bool onNumberEdited(int controlId);
  bool commitNumber(int controlId);
  void showStoredNumber(int controlId);

  std::unique_ptr<FormClockSetServices> services_;
  std::unique_ptr<PerfMeterPageModel> model_;
  bool filling_ = false;  // controls are being filled: their notifications are no edits
};

}  // namespace zembrik
