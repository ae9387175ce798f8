// Not a test: puts the Alarms and Time Zones pages and their dialogs on the screen with example
// settings for scripts/list_pages_screenshots, and adds an alarm through the page for the
// end-to-end run. `page_list_screens STEP`: alarms, timezones, alarm-dialog, zone-dialog (each
// shown for a few seconds), or add-alarm NAME (an alarm at the start of the next minute, added with
// the page's own dialog).
#include <windows.h>

#include <cstdio>
#include <string>

#include "engine/registry/registry_access.h"
#include "grid/grid_messages.h"
#include "options/modal_dialog_script_win32.h"
#include "options/page_alarms_ids.h"
#include "options/page_timezones_ids.h"
#include "tests/options/options_harness_win32.h"

namespace zembrik::testing {
namespace {

constexpr DWORD kShownMs = 6000;

void seedExamples() {
  resetSettings();
  auto settings = openTestSettings();
  auto alarms = settings->createSubkey(u"alarms", kKeyReadWrite, KeyLifetime::Persistent);
  writeText(*alarms.key, u"name_1", u"Workday");
  writeText(*alarms.key, u"alarm_1", u"073000 d20261209 W:sMTWTF c:ffffff E:60 >");
  writeText(*alarms.key, u"name_2", u"Dentist");
  writeText(*alarms.key, u"alarm_2", u"143000 D20261215 w:sMTWTF c:ffffff e:3600 >");
  writeText(*alarms.key, u"name_3", u"Anniversary");
  writeText(*alarms.key, u"alarm_3", u"090000 Y20270612 w: c:ffffff E:300 >");
  auto zones = settings->createSubkey(u"tzones", kKeyReadWrite, KeyLifetime::Persistent);
  writeText(*zones.key, u"CET\x0001MEZ\x0001MESZ", u"W. Europe Standard Time");
  writeText(*zones.key, u"PT\x0001PST\x0001PDT", u"Pacific Standard Time");
  writeText(*zones.key, u"IST", u"India Standard Time");
}

void CALLBACK closeDialog(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  KillTimer(dialog, timer);
  EndDialog(dialog, IDCANCEL);
}

// The next dialog stays up for a while, then closes as if cancelled.
void holdNextDialog() {
  setModalDialogScript([](HWND dialog, int) {
    setModalDialogScript({});
    SetTimer(dialog, 1, kShownMs, &closeDialog);
  });
}

void selectRow(OptionsHarness& options, std::size_t page, int gridId, int row) {
  SendMessageW(options.control(page, gridId), grid::GRIDM_CLICKCELL, grid::gridCell(row, 1), 0);
  options.pumpMessages();
}

int addAlarmForNextMinute(const std::wstring& name) {
  OptionsHarness options;
  options.showPage(kAlarmsPage);
  SYSTEMTIME now;
  GetLocalTime(&now);
  const int next = (now.wHour * 60 + now.wMinute + 1) % (24 * 60);
  setModalDialogScript([name, next](HWND dialog, int) {
    setModalDialogScript({});
    SetDlgItemTextW(dialog, IDC_ALARM_NAME, name.c_str());
    SetDlgItemInt(dialog, IDC_ALARM_HOUR, static_cast<UINT>(next / 60), TRUE);
    SetDlgItemInt(dialog, IDC_ALARM_MINUTE, static_cast<UINT>(next % 60), TRUE);
    CheckDlgButton(dialog, IDC_ALARM_EXPIRES, BST_CHECKED);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_ALARM_EXPIRES, BN_CLICKED), 0);
    SetDlgItemInt(dialog, IDC_ALARM_SECONDS, 120, TRUE);
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  options.click(kAlarmsPage, IDC_ALARM_ADD);
  options.pumpMessages(200);
  std::printf("alarm %ls added for %02d:%02d\n", name.c_str(), next / 60, next % 60);
  return 0;
}

// The mouse over the primary clock, where the clock shows its tooltip (the ringing alarms' names).
int hoverOverClock() {
  HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  HWND notify = tray ? FindWindowExW(tray, nullptr, L"TrayNotifyWnd", nullptr) : nullptr;
  HWND clock = notify ? FindWindowExW(notify, nullptr, L"TrayClockWClass", nullptr) : nullptr;
  RECT rect{};
  if (clock == nullptr || !GetWindowRect(clock, &rect))
    return 1;
  SetCursorPos((rect.left + rect.right) / 2 - 3, (rect.top + rect.bottom) / 2);
  Sleep(100);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  return 0;
}

int run(const std::wstring& step, const std::wstring& argument) {
  if (step == L"add-alarm")
    return addAlarmForNextMinute(argument);
  if (step == L"hover")
    return hoverOverClock();
  seedExamples();
  OptionsHarness options;
  if (step == L"alarms" || step == L"alarm-dialog") {
    options.showPage(kAlarmsPage);
    if (step == L"alarm-dialog") {
      selectRow(options, kAlarmsPage, IDC_ALARMS_GRID, 1);
      holdNextDialog();
      options.click(kAlarmsPage, IDC_ALARM_EDIT);
    }
  } else if (step == L"timezones" || step == L"zone-dialog") {
    options.showPage(kTimeZonesPage);
    if (step == L"zone-dialog") {
      selectRow(options, kTimeZonesPage, IDC_ZONES_GRID, 2);
      holdNextDialog();
      options.click(kTimeZonesPage, IDC_ZONE_EDIT);
    }
  } else {
    std::fprintf(stderr, "unknown step\n");
    return 2;
  }
  options.pumpMessages(kShownMs);
  resetSettings();
  return 0;
}

}  // namespace
}  // namespace zembrik::testing

int wmain(int argc, wchar_t** argv) {
  if (argc < 2)
    return 2;
  return zembrik::testing::run(argv[1], argc > 2 ? argv[2] : L"");
}
