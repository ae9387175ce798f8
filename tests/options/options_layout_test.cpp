// What screen users need of every page, at the display's DPI (96 in the tree's prefix, 144 in
// the prefix of options_layout_144dpi) and with a large options font: every control inside its
// page, every page inside the tab control, no text cut, each field named by the label before
// it, and the window no larger than the work area.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/dc_scopes_win32.h"
#include "tests/options/options_harness_win32.h"

namespace zembrik::testing {
namespace {

std::wstring classOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

RECT screenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

bool inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// True when the control's text, drawn as the control draws it, fits its client area.
bool textFits(HWND control) {
  const std::wstring text = windowText(control);
  if (text.empty())
    return true;
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const std::wstring kind = classOf(control);
  RECT client{};
  GetClientRect(control, &client);
  int available = client.right;
  if (kind == L"Button") {
    const LONG type = style & BS_TYPEMASK;
    if (type == BS_GROUPBOX)
      return true;  // the frame's caption is cut only by a frame narrower than it
    if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON)
      available -= GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE) * 2;
  } else if (kind != L"Static" || (style & SS_TYPEMASK) > SS_RIGHT) {
    return true;  // only labels and buttons show their window text as a caption
  }
  WindowDc dc(control);
  SelectedObject font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT needed{0, 0, available, 0};
  DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &needed,
            DT_CALCRECT | DT_WORDBREAK);
  return needed.right <= available && needed.bottom <= client.bottom;
}

bool isField(HWND control) {
  const std::wstring kind = classOf(control);
  return kind == L"Edit" || kind == L"ComboBox" || kind == L"ListBox" || kind == L"SysListView32" ||
         kind == L"ZembrikGrid" || kind == L"msctls_trackbar32";
}

void expectPageLaidOut(OptionsHarness& options, std::size_t index) {
  SCOPED_TRACE(index);
  options.showPage(index);
  const HWND page = options.page(index);
  // The page's place (first header + 4, + 6) and size are fixed; it must stay on the tab control.
  EXPECT_TRUE(inside(screenRect(page), screenRect(options.dialog().tabControl())));
  const RECT pageRect = screenRect(page);
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(child);
    EXPECT_TRUE(inside(screenRect(child), pageRect)) << "control " << id;
    EXPECT_TRUE(textFits(child)) << "control " << id << " cuts its text";
    if (isField(child)) {
      const HWND before = GetWindow(child, GW_HWNDPREV);
      EXPECT_TRUE(before && classOf(before) == L"Static" && !windowText(before).empty())
          << "control " << id << " has no label just before it";
    }
  }
}

class OptionsLayoutTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { resetSettings(); }
  void TearDown() override { resetSettings(); }
};

TEST_P(OptionsLayoutTest, EveryPageFitsAndNamesItsFields) {
  HarnessOptions start;
  if (GetParam() != 0)
    start.font = OptionsFont{u"Tahoma", GetParam()};
  OptionsHarness options(start);
  for (std::size_t index = 0; index < 6; ++index) expectPageLaidOut(options, index);

  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(options.window(), MONITOR_DEFAULTTONEAREST), &monitor);
  EXPECT_TRUE(inside(screenRect(options.window()), monitor.rcWork));
}

// 0: the templates' own font; then options fonts up to 12 points.
INSTANTIATE_TEST_SUITE_P(Fonts, OptionsLayoutTest, ::testing::Values(0, 8, 12));

}  // namespace
}  // namespace zembrik::testing
