// The Alarms page and its details dialog in the real main dialog under Wine: a scripted session
// whose stored records are checked value for value, the reload message after each change at the
// host and at the stand-in's primary clock, the delete question, and the once-a-second rows.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>

#include "engine/alarms/alarm_loading.h"
#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"
#include "grid/grid_messages.h"
#include "options/modal_dialog_script_win32.h"
#include "options/page_alarms_ids.h"
#include "tests/hook/hook_test_driver.h"
#include "tests/options/host_double_win32.h"
#include "tests/options/options_harness_win32.h"

namespace zembrik::testing {
namespace {

// What the test types into the details dialog; unset fields keep what the dialog shows.
struct AlarmInput {
  std::wstring name;
  int hour = 7;
  int minute = 30;
  int modeButton = IDC_ALARM_NO_DATE;
  std::vector<int> days;  // day boxes ticked; the others are cleared when given
  int day = 0, month = 0, year = 0;
  int repeat = 0;  // "no", "monthly", "annually"
  bool expires = false;
  int seconds = 0;  // 0: leave the field
};

// The user's click on one of the three date modes (their ids enclose the day boxes', so
// CheckRadioButton would clear those).
void chooseMode(HWND dialog, int button) {
  for (int mode : {IDC_ALARM_NO_DATE, IDC_ALARM_WEEKDAYS, IDC_ALARM_DATE})
    CheckDlgButton(dialog, mode, mode == button ? BST_CHECKED : BST_UNCHECKED);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

void clickInDialog(HWND dialog, int id) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Plays the user in the next details dialog: fills it and presses OK (or Cancel).
void scriptDetails(const AlarmInput& input, bool pressOk = true) {
  setModalDialogScript([input, pressOk](HWND dialog, int templateId) {
    if (templateId != IDD_ALARM_DETAILS)
      return;
    setModalDialogScript({});
    SetDlgItemTextW(dialog, IDC_ALARM_NAME, input.name.c_str());
    SetDlgItemInt(dialog, IDC_ALARM_HOUR, static_cast<UINT>(input.hour), TRUE);
    SetDlgItemInt(dialog, IDC_ALARM_MINUTE, static_cast<UINT>(input.minute), TRUE);
    chooseMode(dialog, input.modeButton);
    if (!input.days.empty()) {
      for (int box = IDC_ALARM_SUNDAY; box <= IDC_ALARM_SATURDAY; ++box)
        CheckDlgButton(dialog, box, BST_UNCHECKED);
      for (int box : input.days) CheckDlgButton(dialog, box, BST_CHECKED);
    }
    if (input.day != 0) {
      SetDlgItemInt(dialog, IDC_ALARM_DAY, static_cast<UINT>(input.day), TRUE);
      SetDlgItemInt(dialog, IDC_ALARM_MONTH, static_cast<UINT>(input.month), TRUE);
      SetDlgItemInt(dialog, IDC_ALARM_YEAR, static_cast<UINT>(input.year), TRUE);
    }
    SendDlgItemMessageW(dialog, IDC_ALARM_REPEAT, CB_SETCURSEL, static_cast<WPARAM>(input.repeat),
                        0);
    CheckDlgButton(dialog, IDC_ALARM_EXPIRES, input.expires ? BST_CHECKED : BST_UNCHECKED);
    clickInDialog(dialog, IDC_ALARM_EXPIRES);
    if (input.seconds != 0)
      SetDlgItemInt(dialog, IDC_ALARM_SECONDS, static_cast<UINT>(input.seconds), TRUE);
    clickInDialog(dialog, pressOk ? IDOK : IDCANCEL);
  });
}

std::map<std::wstring, std::wstring> storedAlarms() {
  std::map<std::wstring, std::wstring> values;
  auto alarms = openTestSettings()->openSubkey(u"alarms", kKeyRead);
  if (!alarms)
    return values;
  RegEnumEntry entry;
  for (std::uint32_t i = 0; alarms.key->enumValue(i, kEnumNameChars, entry) == RegStatus::Ok; ++i) {
    const auto text = readText(*alarms.key, entry.name).value_or(u"?");
    values[std::wstring(entry.name.begin(), entry.name.end())] =
        std::wstring(text.begin(), text.end());
  }
  return values;
}

std::wstring cell(HWND grid, int row, int column) {
  wchar_t text[256] = {};
  grid::gridGetText(grid, row, column, text, 256);
  return text;
}

std::wstring today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[16];
  swprintf(text, 16, L"%04u%02u%02u", now.wYear, now.wMonth, now.wDay);
  return text;
}

class AlarmsPageTest : public ::testing::Test {
 protected:
  void SetUp() override { resetSettings(); }
  void TearDown() override {
    setModalDialogScript({});
    resetSettings();
  }
};

// One change: the page posted the reload once to the host and once to the primary clock.
void expectOneReload(OptionsHarness& options, HostDouble& host, StandinTaskbar& bar,
                     const char* step) {
  SCOPED_TRACE(step);
  options.pumpMessages(50);
  EXPECT_EQ(host.count(MSG_RELOAD_ALARMS), 1u);
  EXPECT_TRUE(pumpUntil([&] { return bar.clockMessageCount(0, MSG_RELOAD_ALARMS) >= 1; }, 2000));
  EXPECT_EQ(bar.clockMessageCount(0, MSG_RELOAD_ALARMS), 1);
  host.clear();
  bar.resetClockMessageCounts();
}

TEST_F(AlarmsPageTest, ScriptedSessionStoresExactRecordsAndReloadsAfterEachChange) {
  StandinTaskbar bar;
  ASSERT_TRUE(bar.running());
  HostDouble host;
  OptionsHarness options;
  options.showPage(kAlarmsPage);
  const HWND grid = options.control(kAlarmsPage, IDC_ALARMS_GRID);
  bar.resetClockMessageCounts();
  host.clear();

  scriptDetails({.name = L"Gym",
                 .hour = 7,
                 .minute = 30,
                 .modeButton = IDC_ALARM_WEEKDAYS,
                 .days = {IDC_ALARM_MONDAY, IDC_ALARM_WEDNESDAY, IDC_ALARM_FRIDAY},
                 .expires = true,
                 .seconds = 60});
  options.click(kAlarmsPage, IDC_ALARM_ADD);
  expectOneReload(options, host, bar, "weekly alarm added");
  scriptDetails({.name = L"Birthday",
                 .hour = 9,
                 .minute = 0,
                 .modeButton = IDC_ALARM_DATE,
                 .day = 29,
                 .month = 2,
                 .year = 2028,
                 .repeat = 2});
  options.click(kAlarmsPage, IDC_ALARM_ADD);
  expectOneReload(options, host, bar, "annual alarm added");
  const std::wstring gym = L"073000 d" + today() + L" W:sMtWtF c:ffffff E:60 >";
  const std::wstring birthday = L"090000 Y20280229 w:sMTWTF c:ffffff e:3600 >";
  EXPECT_EQ(storedAlarms(), (std::map<std::wstring, std::wstring>{{L"name_1", L"Gym"},
                                                                  {L"alarm_1", gym},
                                                                  {L"name_2", L"Birthday"},
                                                                  {L"alarm_2", birthday}}));
  ASSERT_EQ(grid::gridRowCount(grid), 3);
  EXPECT_EQ(cell(grid, 1, 2), L"Gym");  // rings within the week, so before 2028
  EXPECT_EQ(cell(grid, 1, 4), L"Mo, We, Fr");
  EXPECT_EQ(cell(grid, 2, 3), L"2028-Feb-29 09:00");
  EXPECT_EQ(cell(grid, 2, 4), L"annually");
  EXPECT_EQ(cell(grid, 1, 6), L"in 1 minute");

  // Edit by activating the row (a double click), as the user would.
  EXPECT_FALSE(IsWindowEnabled(options.control(kAlarmsPage, IDC_ALARM_EDIT)));
  scriptDetails({.name = L"Gym late",
                 .hour = 19,
                 .minute = 45,
                 .modeButton = IDC_ALARM_WEEKDAYS,
                 .expires = true});
  SendMessageW(grid, grid::GRIDM_CLICKCELL, grid::gridCell(1, 2), 1);
  options.pumpMessages();
  expectOneReload(options, host, bar, "edited");
  EXPECT_EQ(storedAlarms()[L"alarm_1"], L"194500 d" + today() + L" W:sMtWtF c:ffffff E:60 >");
  EXPECT_EQ(storedAlarms()[L"name_1"], L"Gym late");

  // Off and on again: the record's minus sign, the button's text.
  SendMessageW(grid, grid::GRIDM_CLICKCELL, grid::gridCell(2, 2), 0);
  options.pumpMessages();
  EXPECT_EQ(cell(grid, 2, 0), L">");
  EXPECT_EQ(windowText(options.control(kAlarmsPage, IDC_ALARM_SWITCH)), L"disable");
  options.click(kAlarmsPage, IDC_ALARM_SWITCH);
  expectOneReload(options, host, bar, "switched off");
  EXPECT_EQ(storedAlarms()[L"alarm_2"], L"-" + birthday);
  EXPECT_EQ(cell(grid, 2, 5), L"-");
  EXPECT_EQ(windowText(options.control(kAlarmsPage, IDC_ALARM_SWITCH)), L"enable");
  options.click(kAlarmsPage, IDC_ALARM_SWITCH);
  expectOneReload(options, host, bar, "switched on");
  EXPECT_EQ(storedAlarms()[L"alarm_2"], birthday);

  // Delete: the question first; No keeps it, Yes removes both values.
  SendMessageW(grid, grid::GRIDM_CLICKCELL, grid::gridCell(1, 2), 0);
  options.ui().answerMessageBox(IDNO);
  options.click(kAlarmsPage, IDC_ALARM_DELETE);
  EXPECT_EQ(storedAlarms().size(), 4u);
  options.ui().answerMessageBox(IDYES);
  options.click(kAlarmsPage, IDC_ALARM_DELETE);
  expectOneReload(options, host, bar, "deleted");
  const InteractionRecord& question = options.ui().log().back();
  EXPECT_EQ(question.text, L"Delete alarm:\nGym late\nare you sure?");
  EXPECT_EQ(question.caption, L"Delete alarm: Gym late");
  EXPECT_EQ(question.icon, static_cast<UINT>(MB_ICONQUESTION));
  EXPECT_EQ(question.buttons, static_cast<UINT>(MB_YESNO));
  EXPECT_EQ(storedAlarms(), (std::map<std::wstring, std::wstring>{{L"name_2", L"Birthday"},
                                                                  {L"alarm_2", birthday}}));
  EXPECT_EQ(grid::gridRowCount(grid), 2);
  EXPECT_FALSE(IsWindowEnabled(options.control(kAlarmsPage, IDC_ALARM_EDIT)));

  // Every record the page wrote reads back through the host's loader.
  const auto records = readAlarmRecords(*openTestSettings());
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].number, 2);
  EXPECT_EQ(records[0].date, 20280229);
  EXPECT_EQ(records[0].duration, -3600);
}

TEST_F(AlarmsPageTest, DialogRefusesImpossibleDatesAndCancelChangesNothing) {
  OptionsHarness options;
  options.showPage(kAlarmsPage);
  // 31 April: the message, and the dialog stays open (the script then cancels it).
  setModalDialogScript([](HWND dialog, int) {
    setModalDialogScript({});
    chooseMode(dialog, IDC_ALARM_DATE);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_ALARM_DAY)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_ALARM_MONDAY)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_ALARM_SECONDS)));
    EXPECT_EQ(GetDlgItemInt(dialog, IDC_ALARM_SECONDS, nullptr, TRUE), 3600u);
    SetDlgItemInt(dialog, IDC_ALARM_DAY, 31, TRUE);
    SetDlgItemInt(dialog, IDC_ALARM_MONTH, 4, TRUE);
    clickInDialog(dialog, IDOK);
    SetDlgItemInt(dialog, IDC_ALARM_HOUR, 24, TRUE);
    clickInDialog(dialog, IDOK);
    clickInDialog(dialog, IDCANCEL);
  });
  options.click(kAlarmsPage, IDC_ALARM_ADD);
  const auto texts = options.ui().messageBoxTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].substr(0, texts[0].find(L'\n')).substr(0, 15), L"There is no 31 ");
  EXPECT_EQ(texts[1], L"Please enter an integer between 0 and 23.");
  EXPECT_TRUE(storedAlarms().empty());
  EXPECT_EQ(grid::gridRowCount(options.control(kAlarmsPage, IDC_ALARMS_GRID)), 1);
}

// With 100 alarms the rows timer rewrites every row once a second, and the grid repaints only
// the cells whose text changed: counted here over five seconds (the count is printed).
TEST_F(AlarmsPageTest, RowsTimerChangesOnlyTheTimeToAlarmTexts) {
  auto alarms = openTestSettings()->createSubkey(u"alarms", kKeyReadWrite, KeyLifetime::Persistent);
  SYSTEMTIME now;
  GetLocalTime(&now);
  for (int n = 1; n <= 100; ++n) {
    // Every 7 minutes from 20 seconds ahead on, on every day: the first counts its seconds.
    const int at =
        (now.wHour * 3600 + now.wMinute * 60 + now.wSecond + 20 + (n - 1) * 7 * 60) % 86400;
    wchar_t record[64];
    swprintf(record, 64, L"%02d%02d%02d d20000101 W:SMTWTFS c:000000 >", at / 3600, at / 60 % 60,
             at % 60);
    const std::wstring number = std::to_wstring(n);
    writeText(*alarms.key, u"name_" + std::u16string(number.begin(), number.end()), u"alarm");
    writeText(*alarms.key, u"alarm_" + std::u16string(number.begin(), number.end()),
              std::u16string(record, record + wcslen(record)));
  }
  OptionsHarness options;
  options.showPage(kAlarmsPage);
  const HWND grid = options.control(kAlarmsPage, IDC_ALARMS_GRID);
  ASSERT_EQ(grid::gridRowCount(grid), 101);
  auto snapshot = [&] {
    std::vector<std::wstring> texts;
    for (int row = 1; row <= 100; ++row)
      for (int column = 0; column < 7; ++column) texts.push_back(cell(grid, row, column));
    return texts;
  };
  std::vector<std::wstring> before = snapshot();
  int changed = 0;
  int changedOutsideColumn5 = 0;
  // Five seconds, and up to five more on a loaded machine, where a late tick of the page's timer
  // can fall into the next second.
  int second = 0;
  for (; second < 10 && (second < 5 || changed < 4); ++second) {
    options.pumpMessages(1000);
    const std::vector<std::wstring> after = snapshot();
    for (std::size_t i = 0; i < after.size(); ++i) {
      if (after[i] != before[i]) {
        ++changed;
        changedOutsideColumn5 += i % 7 != 5;
      }
    }
    before = after;
  }
  std::printf("100 alarms: %.1f cells changed per second (all in \"Time to alarm\": %s)\n",
              changed / static_cast<double>(second), changedOutsideColumn5 == 0 ? "yes" : "no");
  EXPECT_EQ(changedOutsideColumn5, 0);
  EXPECT_GE(changed, 4) << "the first alarm's seconds count down on the timer";
}

}  // namespace
}  // namespace zembrik::testing
