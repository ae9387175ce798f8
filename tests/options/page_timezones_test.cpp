// The Time Zones page and its zone dialog in the real main dialog under Wine, against the real
// zone database: what the dialog offers, a scripted session with the `tzones` values afterwards
// and the scope-1 reload after each change, the sort by header click, and the locale list.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>

#include "engine/options/system_zone_list.h"
#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"
#include "grid/grid_messages.h"
#include "options/modal_dialog_script_win32.h"
#include "options/page_timezones_ids.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/zone_names_win32.h"
#include "tests/hook/hook_test_driver.h"
#include "tests/options/host_double_win32.h"
#include "tests/options/options_harness_win32.h"

namespace zembrik::testing {
namespace {

std::wstring wide(std::u16string_view text) {
  return {text.begin(), text.end()};
}

// U+0001 written as \1, so that the listing can be compared and read.
std::wstring escaped(std::u16string_view text) {
  std::wstring result;
  for (char16_t c : text) result += c == u'\x0001' ? std::wstring(L"\\1") : std::wstring(1, c);
  return result;
}

std::map<std::wstring, std::wstring> storedZones() {
  std::map<std::wstring, std::wstring> values;
  auto zones = openTestSettings()->openSubkey(u"tzones", kKeyRead);
  if (!zones)
    return values;
  RegEnumEntry entry;
  for (std::uint32_t i = 0; zones.key->enumValue(i, kEnumNameChars, entry) == RegStatus::Ok; ++i)
    values[escaped(entry.name)] = wide(readText(*zones.key, entry.name).value_or(u"?"));
  return values;
}

// Display names of the database's zones, as the page reads them.
std::map<std::wstring, std::wstring> displayNames() {
  Win32ZoneNames names;
  std::map<std::wstring, std::wstring> result;
  for (const SystemZone& zone : readSystemZones(*openLocalMachineRoot(), names))
    result[wide(zone.keyName)] = wide(zone.displayName);
  return result;
}

std::wstring comboItem(HWND combo, int index) {
  wchar_t text[512] = {};
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

std::wstring cell(HWND grid, int row, int column) {
  wchar_t text[256] = {};
  grid::gridGetText(grid, row, column, text, 256);
  return text;
}

void sendCommand(HWND dialog, int id, int notification) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, notification),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

struct ZoneInput {
  std::wstring abbreviation;
  std::wstring zoneName;               // display name to choose; empty: keep
  std::wstring standardName = L"\x1";  // \x1: leave as the dialog made it
};

// Plays the user in the next zone dialog: types, chooses, presses OK.
void scriptZoneDialog(ZoneInput input, std::function<void(HWND)> check = {}) {
  setModalDialogScript([input, check](HWND dialog, int templateId) {
    if (templateId != IDD_SELECT_TZONE)
      return;
    setModalDialogScript({});
    HWND zones = GetDlgItem(dialog, IDC_TZONE_ZONE);
    if (!input.zoneName.empty()) {
      SendMessageW(
          zones, CB_SETCURSEL,
          static_cast<WPARAM>(SendMessageW(zones, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(input.zoneName.c_str()))),
          0);
      sendCommand(dialog, IDC_TZONE_ZONE, CBN_SELCHANGE);
    }
    // Typed a character at a time, as the copying follows every change.
    for (std::size_t length = 1; length <= input.abbreviation.size(); ++length)
      SetDlgItemTextW(dialog, IDC_TZONE_ABBREVIATION, input.abbreviation.substr(0, length).c_str());
    if (input.standardName != L"\x1")
      SetDlgItemTextW(dialog, IDC_TZONE_STANDARD, input.standardName.c_str());
    if (check)
      check(dialog);
    sendCommand(dialog, IDOK, BN_CLICKED);
  });
}

class TimeZonesPageTest : public ::testing::Test {
 protected:
  void SetUp() override { resetSettings(); }
  void TearDown() override {
    setModalDialogScript({});
    resetSettings();
  }
};

TEST_F(TimeZonesPageTest, DialogOffersEveryZoneOfTheDatabaseWithItsLocalisedName) {
  const auto start = std::chrono::steady_clock::now();
  OptionsHarness options;
  const auto created = std::chrono::steady_clock::now();
  std::printf("main dialog with the Time Zones page created in %.0f ms\n",
              std::chrono::duration<double, std::milli>(created - start).count());
  options.showPage(kTimeZonesPage);
  std::vector<std::wstring> offered;
  setModalDialogScript([&](HWND dialog, int) {
    setModalDialogScript({});
    HWND zones = GetDlgItem(dialog, IDC_TZONE_ZONE);
    const int count = static_cast<int>(SendMessageW(zones, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) offered.push_back(comboItem(zones, i));
    sendCommand(dialog, IDCANCEL, BN_CLICKED);
  });
  options.click(kTimeZonesPage, IDC_ZONE_ADD);

  std::vector<std::wstring> expected;
  for (const auto& [key, name] : displayNames()) expected.push_back(name);
  std::sort(expected.begin(), expected.end());
  std::vector<std::wstring> sorted = offered;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, expected);
  ASSERT_FALSE(offered.empty());
  // Largest bias first: the list starts in the west.
  EXPECT_NE(offered.front().find(L"UTC-"), std::wstring::npos) << offered.front();
  EXPECT_TRUE(storedZones().empty());
}

TEST_F(TimeZonesPageTest, ScriptedSessionWritesExactEntriesAndNotifiesEveryClock) {
  StandinTaskbar bar;
  ASSERT_TRUE(bar.running());
  HostDouble host;
  OptionsHarness options;
  options.showPage(kTimeZonesPage);
  const HWND grid = options.control(kTimeZonesPage, IDC_ZONES_GRID);
  const auto names = displayNames();
  const std::wstring europe = names.at(L"W. Europe Standard Time");
  const std::wstring india = names.at(L"India Standard Time");
  const std::wstring pacific = names.at(L"Pacific Standard Time");
  auto expectReload = [&](const char* step) {
    SCOPED_TRACE(step);
    options.pumpMessages(50);
    EXPECT_EQ(host.count(MSG_RELOAD), 1u);
    EXPECT_TRUE(pumpUntil([&] { return bar.clockMessageCount(0, MSG_RELOAD) >= 1; }, 2000));
    host.clear();
    bar.resetClockMessageCounts();
  };
  host.clear();
  bar.resetClockMessageCounts();

  // Typing CET fills both names; the standard name changed to MEZ keeps the daylight copy.
  scriptZoneDialog({L"CET", europe, L"MEZ"}, [](HWND dialog) {
    wchar_t daylight[32] = {};
    GetDlgItemTextW(dialog, IDC_TZONE_DAYLIGHT, daylight, 32);
    EXPECT_STREQ(daylight, L"CET");
  });
  options.click(kTimeZonesPage, IDC_ZONE_ADD);
  expectReload("added");
  EXPECT_EQ(
      storedZones(),
      (std::map<std::wstring, std::wstring>{{L"CET\\1MEZ\\1CET", L"W. Europe Standard Time"}}));
  scriptZoneDialog({L"PT", pacific});
  options.click(kTimeZonesPage, IDC_ZONE_ADD);
  expectReload("second added");
  ASSERT_EQ(grid::gridRowCount(grid), 3);
  EXPECT_EQ(cell(grid, 0, 0), L"TZ abbr.");
  EXPECT_EQ(cell(grid, 2, 0), L"PT");  // appended without sorting again

  // Edit CET to India, which has no daylight time: the daylight name goes; Europe is free again.
  SendMessageW(grid, grid::GRIDM_CLICKCELL, grid::gridCell(1, 0), 0);
  scriptZoneDialog({L"CET", india}, [](HWND dialog) {
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_TZONE_DAYLIGHT)));
  });
  options.click(kTimeZonesPage, IDC_ZONE_EDIT);
  expectReload("edited to another zone");
  EXPECT_EQ(storedZones(),
            (std::map<std::wstring, std::wstring>{{L"CET\\1MEZ", L"India Standard Time"},
                                                  {L"PT\\1PT\\1PT", L"Pacific Standard Time"}}));
  EXPECT_EQ(cell(grid, 1, 1), india);

  // Header clicks: "TimeZone" (sorted once already) reverses; "TZ abbr." sorts ascending.
  EXPECT_EQ(cell(grid, 1, 0), L"CET");  // as added: a new row is not sorted in
  SendMessageW(grid, grid::GRIDM_CLICKCELL, grid::gridCell(0, 1), 0);
  options.pumpMessages();
  EXPECT_EQ(cell(grid, 1, 0), L"CET");  // India east of Pacific: first when reversed
  SendMessageW(grid, grid::GRIDM_CLICKCELL, grid::gridCell(0, 0), 0);
  options.pumpMessages();
  EXPECT_EQ(cell(grid, 1, 0), L"CET");
  SendMessageW(grid, grid::GRIDM_CLICKCELL, grid::gridCell(0, 0), 0);
  options.pumpMessages();
  EXPECT_EQ(cell(grid, 1, 0), L"PT");

  // An abbreviation another zone has is refused with a message naming that zone.
  scriptZoneDialog({L"pt", europe}, [](HWND dialog) {
    sendCommand(dialog, IDOK, BN_CLICKED);
    sendCommand(dialog, IDCANCEL, BN_CLICKED);
  });
  options.click(kTimeZonesPage, IDC_ZONE_ADD);
  ASSERT_FALSE(options.ui().messageBoxTexts().empty());
  EXPECT_NE(options.ui().messageBoxTexts().back().find(pacific), std::wstring::npos);
  options.ui().clearLog();

  // Delete PT (row 1 now): the question, then the entry goes.
  SendMessageW(grid, grid::GRIDM_CLICKCELL, grid::gridCell(1, 0), 0);
  options.ui().answerMessageBox(IDOK);
  options.click(kTimeZonesPage, IDC_ZONE_DELETE);
  expectReload("deleted");
  ASSERT_EQ(options.ui().log().size(), 1u);
  EXPECT_EQ(options.ui().log()[0].text,
            L"Are you sure you want to delete abbreviation\nPT\nfor timezone\n" + pacific);
  EXPECT_EQ(options.ui().log()[0].caption, L"Delete timezone abbreviation");
  EXPECT_EQ(options.ui().log()[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
  EXPECT_EQ(options.ui().log()[0].buttons, static_cast<UINT>(MB_OKCANCEL));
  EXPECT_EQ(storedZones(),
            (std::map<std::wstring, std::wstring>{{L"CET\\1MEZ", L"India Standard Time"}}));
  EXPECT_EQ(grid::gridRowCount(grid), 2);
}

TEST_F(TimeZonesPageTest, LocaleListDisabledOnWineAndFilledFromUiLanguages) {
  {
    OptionsHarness options;
    EXPECT_FALSE(IsWindowEnabled(options.control(kTimeZonesPage, IDC_ZONE_LOCALE)));
  }
  auto machine = openLocalMachineRoot();
  const std::u16string path = kUiLanguagesPath;
  for (const char16_t* language : {u"de-DE", u"en-US"})
    ASSERT_TRUE(
        machine->createSubkey(path + u"\\" + language, kKeyReadWrite, KeyLifetime::Persistent));
  writeText(*openTestSettings(), u"ZN-locale", u"EN");
  {
    HostDouble host;
    OptionsHarness options;
    const HWND locales = options.control(kTimeZonesPage, IDC_ZONE_LOCALE);
    EXPECT_TRUE(IsWindowEnabled(locales));
    ASSERT_EQ(SendMessageW(locales, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(comboItem(locales, static_cast<int>(SendMessageW(locales, CB_GETCURSEL, 0, 0))),
              L"en-US");
    options.showPage(kTimeZonesPage);
    host.clear();
    const int german = static_cast<int>(SendMessageW(
        locales, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"de-DE")));
    options.selectComboItem(kTimeZonesPage, IDC_ZONE_LOCALE, german);
    options.pumpMessages(50);
    EXPECT_EQ(readText(*openTestSettings(), u"ZN-locale"), u"de-DE");
    EXPECT_EQ(host.count(MSG_RELOAD), 1u);
  }
  auto control = machine->openSubkey(u"SYSTEM\\CurrentControlSet\\Control\\MUI", kKeyReadWrite);
  ASSERT_TRUE(control);
  EXPECT_EQ(deleteKeyTree(*control.key, u"UILanguages"), RegStatus::Ok);
}

}  // namespace
}  // namespace zembrik::testing
