#include "tests/options/options_harness_win32.h"

#include <commctrl.h>

#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "grid/grid_window_win32.h"
#include "options/clock_set_state_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/window_bindings_win32.h"

namespace zembrik::testing {

namespace {

// Registered once for the whole test program, as the program registers it once at start.
void registerProgramClasses(HINSTANCE instance) {
  static const bool registered = [instance] {
    static RegisteredClass dialogClass = registerOptionsDialogClass(instance);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    grid::registerGridClass(instance);
    return true;
  }();
  (void)registered;
}

std::wstring testProgramDirectory() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring directory(path, length);
  return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

// Harnesses alive in this process. Their dialogs share the program's one clock-set model, as the
// pages of one dialog do: it is made anew only when no other dialog still refers to it.
int liveHarnesses = 0;

}  // namespace

OptionsHarness::OptionsHarness(HarnessOptions options) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (liveHarnesses == 0)
    resetClockSetModel();  // each test's dialog starts without a chosen clock set
  registerProgramClasses(instance);
  context_.instance = instance;
  context_.interaction = &ui_;
  context_.commandLine = options.commandLine;
  context_.programDirectory = testProgramDirectory();
  context_.font = options.font;
  context_.oldSystem = options.oldSystem;
  dialog_ = std::make_unique<OptionsMainDialog>(context_);
  dialog_->create();
  ++liveHarnesses;
  pumpMessages();
}

OptionsHarness::~OptionsHarness() {
  dialog_.reset();
  --liveHarnesses;
  pumpMessages();
}

void OptionsHarness::showPage(std::size_t headerIndex) {
  const HWND tabs = dialog_->tabControl();
  SendMessageW(tabs, TCM_SETCURSEL, headerIndex, 0);
  NMHDR header{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(window(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  pumpMessages();
}

void OptionsHarness::click(std::size_t headerIndex, int id) {
  SendMessageW(control(headerIndex, id), BM_CLICK, 0, 0);
  pumpMessages();
}

void OptionsHarness::setText(std::size_t headerIndex, int id, const std::wstring& text) {
  SendMessageW(control(headerIndex, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  pumpMessages();
}

void OptionsHarness::selectComboItem(std::size_t headerIndex, int id, int item) {
  SendMessageW(control(headerIndex, id), CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  notifyCommand(headerIndex, id, CBN_SELCHANGE);
}

void OptionsHarness::notifyCommand(std::size_t headerIndex, int id, int notification) {
  SendMessageW(page(headerIndex), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(id), static_cast<WORD>(notification)),
               reinterpret_cast<LPARAM>(control(headerIndex, id)));
  pumpMessages();
}

void OptionsHarness::pumpMessages(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (dialog_ && dialog_->preTranslate(message))
        continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (milliseconds != 0)
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (GetTickCount() - start < milliseconds);
}

std::wstring windowText(HWND window) {
  wchar_t text[1024] = {};
  const auto length = SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  return std::wstring(text, static_cast<std::size_t>(length));
}

void resetSettings(std::optional<std::uint32_t> version) {
  auto root = openCurrentUserRoot();
  if (auto parent = root->openSubkey(u"Software\\OBR", kKeyReadWrite))
    deleteKeyTree(*parent.key, u"Zembrik");
  if (version)
    writeNumber(*openTestSettings(), u"version", *version);
}

std::unique_ptr<RegistryKey> openTestSettings() {
  auto root = openCurrentUserRoot();
  return root->createSubkey(kSettingsRootPath, kKeyReadWrite, KeyLifetime::Persistent).key;
}

}  // namespace zembrik::testing
