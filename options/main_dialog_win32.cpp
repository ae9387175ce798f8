#include "options/main_dialog_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>

#include "engine/options/options_startup.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "options/about_box_win32.h"
#include "options/dialog_template_win32.h"
#include "options/options_resources.h"
#include "options/window_dpi_win32.h"
#include "platform/win32/caught_exception_win32.h"
#include "platform/win32/dc_scopes_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/wide_text_win32.h"
#include "platform/win32/win32_handles.h"

namespace zembrik {

namespace {

// Where a page sits in the tab control, from its first header, at 96 dpi.
constexpr int kPageLeftOfHeader = 4;
constexpr int kPageBelowHeader = 6;

bool fileCanBeRead(const std::wstring& path) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.get() != INVALID_HANDLE_VALUE;
}

}  // namespace

OptionsMainDialog::OptionsMainDialog(OptionsContext& context)
    : context_(context), clockSet_([this](const std::u16string& text) {
        context_.ui().showError(window_, wide(text));
      }) {}

OptionsMainDialog::~OptionsMainDialog() {
  if (window_ != nullptr)
    DestroyWindow(window_);
}

HWND OptionsMainDialog::create() {
  const auto copy = loadDialogTemplate(context_.instance, IDD_OPTIONS_MAIN, context_.font);
  if (copy.empty())
    return nullptr;
  CreateDialogIndirectParamW(context_.instance, asDialogTemplate(copy), nullptr, &dialogProcedure,
                             reinterpret_cast<LPARAM>(this));
  if (window_ != nullptr)
    ShowWindow(window_, SW_SHOW);
  return window_;
}

INT_PTR CALLBACK OptionsMainDialog::dialogProcedure(HWND window, UINT message, WPARAM wParam,
                                                    LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrW(window, DWLP_USER, lParam);
      reinterpret_cast<OptionsMainDialog*>(lParam)->window_ = window;
    }
    auto* dialog = reinterpret_cast<OptionsMainDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (dialog == nullptr)
      return FALSE;
    const INT_PTR result = dialog->handleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(window, DWLP_USER, 0);
      dialog->window_ = nullptr;
    }
    return result;
  } catch (...) {
    recordCaughtException(L"OptionsMainDialog::dialogProcedure");
    return FALSE;
  }
}

INT_PTR OptionsMainDialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      onInitDialog();
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == IDC_OPTIONS_TABS && header->code == TCN_SELCHANGE)
        onSelectionChange();
      return FALSE;
    }
    case WM_COMMAND:
      // Enter and Escape reach the dialog as IDOK and IDCANCEL: neither ends it.
      return LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL;
    case WM_SYSCOMMAND:
      onSysCommand(wParam, lParam);
      return TRUE;
    case WM_CLOSE:  // the close box, Alt+F4 and the system menu's Close
      DestroyWindow(window_);
      return TRUE;
    case WM_DESTROY:
      if (context_.quitWhenClosed)
        PostQuitMessage(0);
      return FALSE;
    case WM_HOTKEY:
      onHotKey(wParam, lParam);
      return TRUE;
    case WM_HELP:
      onHelp();
      return TRUE;
    case WM_PAINT:
      return onPaintMinimised();
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(icon_);
    default:
      return FALSE;
  }
}

void OptionsMainDialog::onInitDialog() {
  if (const HMENU systemMenu = GetSystemMenu(window_, FALSE)) {
    wchar_t aboutText[64] = {};
    LoadStringW(context_.instance, IDS_ABOUT_MENU, aboutText, 64);
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, kAboutCommand, aboutText);
  }
  icon_ = static_cast<HICON>(LoadImageW(context_.instance, MAKEINTRESOURCEW(IDI_OPTIONS),
                                        IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  const auto smallIcon = static_cast<HICON>(
      LoadImageW(context_.instance, MAKEINTRESOURCEW(IDI_OPTIONS), IMAGE_ICON,
                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));

  createPages();
  placePages();
  if (const auto initial = initialPageIndex(
          std::u16string_view(reinterpret_cast<const char16_t*>(context_.commandLine.c_str()),
                              context_.commandLine.size())))
    selectPage(*initial);
  setTitle();
  fitIntoWorkArea();
}

void OptionsMainDialog::createPages() {
  const HWND tabs = tabControl();
  for (const auto& entry : optionsPages()) {
    auto page = entry.make(context_);
    // Siblings of the tab control rather than its children: only so does Tab go from the
    // headers into the page and from the page's last control back to the headers.
    page->create(window_, clockSet_.model());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(entry.title);
    SendMessageW(tabs, TCM_INSERTITEMW, entry.headerIndex, reinterpret_cast<LPARAM>(&item));
    pages_[entry.headerIndex] = std::move(page);
  }
  // The tab control last in z-order: the pages draw over it, and Tab visits it after them.
  SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  visiblePage_ = 0;
  pages_[0]->setVisible(true);
}

void OptionsMainDialog::placePages() {
  const HWND tabs = tabControl();
  RECT header{};
  SendMessageW(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&header));
  const UINT dpi = windowDpi(window_);
  POINT origin{header.left + scaleToDpi(kPageLeftOfHeader, dpi),
               header.bottom + scaleToDpi(kPageBelowHeader, dpi)};
  MapWindowPoints(tabs, window_, &origin, 1);  // the pages are the dialog's children
  for (const auto& page : pages_) {
    SetWindowPos(page->window(), nullptr, origin.x, origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void OptionsMainDialog::setTitle() {
  std::optional<std::uint32_t> version;
  auto root = openCurrentUserRoot();
  if (auto settings = root->openSubkey(kSettingsRootPath, kKeyRead))
    version = readNumber(*settings.key, u"version");
  SetWindowTextW(window_, wide(optionsWindowTitle(version)).c_str());
}

void OptionsMainDialog::fitIntoWorkArea() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor))
    return;
  RECT frame{};
  GetWindowRect(window_, &frame);
  const RECT& work = monitor.rcWork;
  const int width = std::min(frame.right - frame.left, work.right - work.left);
  const int height = std::min(frame.bottom - frame.top, work.bottom - work.top);
  const int left = std::clamp(static_cast<int>(frame.left), static_cast<int>(work.left),
                              static_cast<int>(work.right) - width);
  const int top = std::clamp(static_cast<int>(frame.top), static_cast<int>(work.top),
                             static_cast<int>(work.bottom) - height);
  SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void OptionsMainDialog::selectPage(std::size_t headerIndex) {
  if (headerIndex >= kOptionsPageCount)
    return;
  SendMessageW(tabControl(), TCM_SETCURSEL, headerIndex, 0);
  showPage(headerIndex);
}

void OptionsMainDialog::onSelectionChange() {
  const auto selected = SendMessageW(tabControl(), TCM_GETCURSEL, 0, 0);
  if (selected >= 0)
    showPage(static_cast<std::size_t>(selected));
}

void OptionsMainDialog::showPage(std::size_t headerIndex) {
  if (headerIndex >= kOptionsPageCount || headerIndex == visiblePage_)
    return;
  // Focus inside the page that goes would be lost with it: give it to the headers.
  const HWND focus = GetFocus();
  if (focus != nullptr && IsChild(pages_[visiblePage_]->window(), focus))
    SetFocus(tabControl());
  pages_[visiblePage_]->setVisible(false);
  pages_[headerIndex]->setVisible(true);
  visiblePage_ = headerIndex;
}

bool OptionsMainDialog::preTranslate(MSG& message) {
  if (window_ == nullptr)
    return false;
  if (message.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 &&
      (message.hwnd == window_ || IsChild(window_, message.hwnd))) {
    const bool back =
        message.wParam == VK_PRIOR || (message.wParam == VK_TAB && GetKeyState(VK_SHIFT) < 0);
    if (message.wParam == VK_TAB || message.wParam == VK_NEXT || message.wParam == VK_PRIOR) {
      const std::size_t next = back ? (visiblePage_ + kOptionsPageCount - 1) % kOptionsPageCount
                                    : (visiblePage_ + 1) % kOptionsPageCount;
      selectPage(next);
      return true;
    }
  }
  return IsDialogMessageW(window_, &message) != FALSE;
}

void OptionsMainDialog::onSysCommand(WPARAM command, LPARAM lParam) {
  // Commands 16 to 31 are this program's own menu items (only About so far).
  if ((command & 0xFFF0) == kAboutCommand) {
    showAboutBox(context_, window_);
    return;
  }
  DefWindowProcW(window_, WM_SYSCOMMAND, command, lParam);
}

void OptionsMainDialog::onHotKey(WPARAM wParam, LPARAM lParam) {
  if (wParam != kBringToFrontWParam || lParam != kBringToFrontLParam)
    return;
  ShowWindow(window_, SW_RESTORE);
  const UINT keepPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW;
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, keepPlace);
  SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, keepPlace);
  SetForegroundWindow(window_);
}

void OptionsMainDialog::onHelp() {
  const std::wstring path = context_.programDirectory + L"Zembrik.html";
  if (fileCanBeRead(path))
    context_.ui().openDocument(L"file://" + path);
}

bool OptionsMainDialog::onPaintMinimised() {
  if (!IsIconic(window_))
    return false;
  PaintScope paint(window_);
  if (paint.dc() == nullptr)
    return true;
  RECT client{};
  GetClientRect(window_, &client);
  const int left = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int top = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(paint.dc(), left, top, icon_);
  return true;
}

RegisteredClass registerOptionsDialogClass(HINSTANCE instance) {
  WNDCLASSEXW dialogClass{};
  dialogClass.cbSize = sizeof(dialogClass);
  if (!GetClassInfoExW(nullptr, L"#32770", &dialogClass))
    return {};
  dialogClass.hInstance = instance;
  dialogClass.lpszClassName = kOptionsWindowClass;
  return RegisteredClass(dialogClass);
}

}  // namespace zembrik
