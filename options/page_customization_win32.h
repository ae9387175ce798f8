#pragma once
// The "Customization" page of the options program.
#include <memory>

#include "engine/options/page_customization_model.h"
#include "options/base_tab_win32.h"
#include "options/form_page_services_win32.h"
#include "options/typing_notifications_win32.h"

namespace zembrik {

class CTabCustom : public C_BaseTab {
 public:
  explicit CTabCustom(OptionsContext& context);
  ~CTabCustom() override;

 protected:
  void onInitPage() override;
  bool onCommand(int controlId, int notification, HWND control) override;
  void onDestroyPage() override;

 private:
  void showState();

  std::unique_ptr<FormClockSetServices> services_;
  std::unique_ptr<TypingNotifications> typing_;
  std::unique_ptr<CustomizationPageModel> model_;
  bool filling_ = false;  // controls are being filled: their notifications are no edits
};

}  // namespace zembrik
