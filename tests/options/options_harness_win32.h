#pragma once
// The options program's real main dialog and pages, created in the test's own thread, driven by
// control id with the messages a user's action produces, against the real registry of the
// Wine prefix. Boxes and choosers are scripted (ui()); nothing is ever shown to wait on.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "engine/registry/registry_key.h"
#include "options/main_dialog_win32.h"
#include "options/options_context_win32.h"
#include "tests/options/scripted_user_interaction_win32.h"

namespace zembrik::testing {

// Header indexes of the pages.
enum PageIndex : std::size_t {
  kGeneralPage = 0,
  kCustomizationPage = 1,
  kClockPage = 2,
  kAlarmsPage = 3,
  kTimeZonesPage = 4,
  kPerfMeterPage = 5,
};

struct HarnessOptions {
  std::wstring commandLine;  // the word the program was started with
  OptionsFont font;          // the options font in force (none by default)
  bool oldSystem = false;
};

class OptionsHarness {
 public:
  // Creates and shows the main dialog with its six pages; the settings are used as they are.
  explicit OptionsHarness(HarnessOptions options = {});
  ~OptionsHarness();
  OptionsHarness(const OptionsHarness&) = delete;
  OptionsHarness& operator=(const OptionsHarness&) = delete;

  OptionsMainDialog& dialog() noexcept { return *dialog_; }
  HWND window() const noexcept { return dialog_->window(); }
  ScriptedUserInteraction& ui() noexcept { return ui_; }
  OptionsContext& context() noexcept { return context_; }

  HWND page(std::size_t headerIndex) const { return dialog_->page(headerIndex).window(); }
  HWND control(std::size_t headerIndex, int id) const { return GetDlgItem(page(headerIndex), id); }

  // A click on a tab header: the selection changes and the tab control notifies the dialog.
  void showPage(std::size_t headerIndex);
  // BM_CLICK on a button (check boxes and radio buttons notify their page as for a real click).
  void click(std::size_t headerIndex, int id);
  // WM_SETTEXT on an edit (it notifies EN_CHANGE itself).
  void setText(std::size_t headerIndex, int id, const std::wstring& text);
  // CB_SETCURSEL and the CBN_SELCHANGE the combo sends when the user picks an item.
  void selectComboItem(std::size_t headerIndex, int id, int item);
  // A control's notification sent to its page as the control itself would send it.
  void notifyCommand(std::size_t headerIndex, int id, int notification);

  // Runs the program's message loop (with its key handling) for about that long; 0 handles what
  // is queued now.
  void pumpMessages(DWORD milliseconds = 0);

 private:
  ScriptedUserInteraction ui_;
  OptionsContext context_;
  std::unique_ptr<OptionsMainDialog> dialog_;
};

// A window's text (WM_GETTEXT).
std::wstring windowText(HWND window);

// The settings as a test begins with them: Software\OBR\Zembrik deleted, then `version` written
// unless none is wanted.
void resetSettings(std::optional<std::uint32_t> version = 0x01002D00);
// Software\OBR\Zembrik (created if missing), open to read and write.
std::unique_ptr<RegistryKey> openTestSettings();

}  // namespace zembrik::testing
