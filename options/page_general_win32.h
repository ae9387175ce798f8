#pragma once
// The "General" page of the options program.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "engine/options/page_general_model.h"
#include "engine/options/throttled_page_services.h"
#include "options/base_tab_win32.h"
#include "options/form_page_services_win32.h"
#include "platform/win32/window_bindings_win32.h"

namespace zembrik {

class CTabMain : public C_BaseTab {
 public:
  explicit CTabMain(OptionsContext& context);
  ~CTabMain() override;

  // The timeout dialog; tests answer it instead, as a modal dialog would wait for a user.
  using TimeoutPrompt = std::function<std::optional<std::uint32_t>(HWND, std::uint32_t)>;
  void setTimeoutPrompt(TimeoutPrompt prompt) { timeoutPrompt_ = std::move(prompt); }

 protected:
  static constexpr UINT_PTR kNotifyTimerId = 358;
  static constexpr std::uint32_t kTypingNotifyIntervalMs = 250;

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
  void armNotifyTimer();
  static void CALLBACK onNotifyTimer(HWND window, UINT message, UINT_PTR id, DWORD time);

  std::unique_ptr<RegistryKey> currentUser_;
  std::unique_ptr<FormClockSetServices> services_;
  std::unique_ptr<ThrottledPageServices> throttled_;
  std::unique_ptr<GeneralPageModel> model_;
  UniqueTimer notifyTimer_;
  TimeoutPrompt timeoutPrompt_;
  bool filling_ = false;  // controls are being filled: their notifications are no edits
  bool initialised_ = false;
};

}  // namespace zembrik
