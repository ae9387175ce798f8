#pragma once
// The "General" page of the options program.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "engine/options/page_general_model.h"
#include "options/base_tab_win32.h"
#include "options/form_page_services_win32.h"
#include "options/typing_notifications_win32.h"

namespace zembrik {

class CTabMain : public C_BaseTab {
 public:
  explicit CTabMain(OptionsContext& context);
  ~CTabMain() override;

  // The timeout dialog; tests answer it instead, as a modal dialog would wait for a user.
  using TimeoutPrompt = std::function<std::optional<std::uint32_t>(HWND, std::uint32_t)>;
  void setTimeoutPrompt(TimeoutPrompt prompt) { timeoutPrompt_ = std::move(prompt); }

 protected:
  void onInitPage() override;
  void onRefresh(bool setChanged) override;
  bool onCommand(int controlId, int notification, HWND control) override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void onDestroyPage() override;

 private:
  void showState();
  void showFonts();
  void onButton(int controlId);
  void onTodayCalendar();
  void onCalendarFont();
  void onOptionsFont();

  std::unique_ptr<RegistryKey> currentUser_;
  std::unique_ptr<FormClockSetServices> services_;
  std::unique_ptr<TypingNotifications> typing_;
  std::unique_ptr<GeneralPageModel> model_;
  TimeoutPrompt timeoutPrompt_;
  bool filling_ = false;  // controls are being filled: their notifications are no edits
  bool initialised_ = false;
};

}  // namespace zembrik
