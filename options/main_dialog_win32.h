#pragma once
// The main dialog (COptDlg): the tab control, the six pages, the title, the system menu's About
// item, help, and the bring-to-front request of a second start. It is modeless so that the
// program's loop (and a test) can see every key before the dialog manager does.
#include <windows.h>

#include <array>
#include <cstddef>
#include <memory>

#include "options/base_tab_win32.h"
#include "options/clock_set_state_win32.h"
#include "options/options_context_win32.h"
#include "options/pages_win32.h"

namespace zembrik {

inline constexpr wchar_t kOptionsWindowClass[] = L"ZembrikOptionsByOBR";
// A second start posts WM_HOTKEY with these parameters to the running window.
inline constexpr WPARAM kBringToFrontWParam = 0x77777777;
inline constexpr LPARAM kBringToFrontLParam = 777;
inline constexpr UINT kAboutCommand = 16;

class OptionsMainDialog {
 public:
  explicit OptionsMainDialog(OptionsContext& context);
  ~OptionsMainDialog();
  OptionsMainDialog(const OptionsMainDialog&) = delete;
  OptionsMainDialog& operator=(const OptionsMainDialog&) = delete;

  // Creates the window (template 102, class "ZembrikOptionsByOBR") and its pages, and shows it.
  // The class must be registered first (registerOptionsDialogClass). Null on failure.
  HWND create();
  HWND window() const noexcept { return window_; }
  HWND tabControl() const noexcept { return GetDlgItem(window_, 1002); }
  // The page under tab header `headerIndex`.
  C_BaseTab& page(std::size_t headerIndex) const { return *pages_[headerIndex]; }
  std::size_t visiblePage() const noexcept { return visiblePage_; }
  // Selects header `headerIndex` and shows its page, as a click on the header does.
  void selectPage(std::size_t headerIndex);

  // The keys the program handles before the dialog manager: Ctrl+Tab, Ctrl+Shift+Tab,
  // Ctrl+PageDown and Ctrl+PageUp switch pages. Then the dialog manager's own keys. True when
  // the message was used and must not be dispatched.
  bool preTranslate(MSG& message);

 private:
  static INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void onInitDialog();
  void createPages();
  void placePages();
  void setTitle();
  void fitIntoWorkArea();
  void onSelectionChange();
  void showPage(std::size_t headerIndex);
  void onSysCommand(WPARAM command, LPARAM lParam);
  void onHotKey(WPARAM wParam, LPARAM lParam);
  void onHelp();
  bool onPaintMinimised();

  OptionsContext& context_;
  HWND window_ = nullptr;
  // Declared before the pages so that it outlives them: they keep references to the model and
  // its keys until they are destroyed.
  OptionsClockSet clockSet_;
  std::array<std::unique_ptr<C_BaseTab>, kOptionsPageCount> pages_;  // by header index
  std::size_t visiblePage_ = 0;
  HICON icon_ = nullptr;  // shared resource icon: not destroyed
};

// Registers "ZembrikOptionsByOBR" as a copy of the system dialog class, so that the main dialog
// can be found by class; the registration ends with the returned owner.
RegisteredClass registerOptionsDialogClass(HINSTANCE instance);

}  // namespace zembrik
