#include "options/page_timezones_win32.h"

#include <string>

#include "engine/registry/registry_access.h"
#include "engine/timezone/zone_loading.h"
#include "grid/grid_messages.h"
#include "options/page_timezones_ids.h"
#include "options/select_tzone_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/wide_text_win32.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/zone_names_win32.h"

namespace zembrik {

namespace {

// The zones with their localised names. The names come from one resource library of the system;
// held loaded for the whole read, it is not loaded again for every name (under Wine that makes
// the read several times faster).
std::vector<SystemZone> readZonesOfTheSystem() {
  UniqueModule names(LoadLibraryExW(L"tzres.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  auto machine = openLocalMachineRoot();
  Win32ZoneNames platformNames;
  return readSystemZones(*machine, platformNames);
}

}  // namespace

CTabTZones::CTabTZones(OptionsContext& context) : C_BaseTab(context, IDD_PAGE_TIMEZONES) {}

void CTabTZones::onInitPage() {
  fillLocales();
  RegistryKey* settings = settingsKey();
  if (settings == nullptr)
    return;
  model_ = std::make_unique<TimeZonesPageModel>(*settings, [this] { notifyClocks(); });
  model_->load(readZonesOfTheSystem());
  grid::gridSetSelectionMode(grid(), grid::GRID_SELECT_ROWS);
  fillTable();
}

void CTabTZones::fillLocales() {
  HWND locales = control(IDC_ZONE_LOCALE);
  auto machine = openLocalMachineRoot();
  const std::u16string current =
      settingsKey() ? readText(*settingsKey(), kSpecialLocaleValue).value_or(std::u16string())
                    : std::u16string();
  const LocaleChoices choices = readLocaleChoices(*machine, current);
  for (const std::u16string& item : choices.items)
    SendMessageW(locales, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
  if (!choices.items.empty()) {
    const LRESULT index = SendMessageW(locales, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(wide(choices.selected).c_str()));
    SendMessageW(locales, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  EnableWindow(locales, choices.enabled ? TRUE : FALSE);
}

void CTabTZones::fillTable() {
  const int rows = static_cast<int>(model_->rows());
  grid::gridSetSize(grid(), rows + 1, kZoneColumns);
  grid::gridSetFixed(grid(), 1, 0);  // after the size: the grid keeps no more fixed rows than rows
  const ZoneRowTexts& headers = zoneHeaderTexts();
  for (int column = 0; column < kZoneColumns; ++column)
    grid::gridSetText(grid(), 0, column, wide(headers[column]).c_str());
  for (int row = 0; row < rows; ++row) {
    const ZoneRowTexts texts = model_->rowTexts(static_cast<std::size_t>(row));
    for (int column = 0; column < kZoneColumns; ++column)
      grid::gridSetText(grid(), row + 1, column, wide(texts[column]).c_str());
  }
  grid::gridAutoSizeColumns(grid());
  showSortIndicator();
}

void CTabTZones::showSortIndicator() {
  const int state = model_->sortState();
  if (state == 0) {
    grid::gridSetSortIndicator(grid(), -1, grid::GRID_SORT_NONE);
    return;
  }
  grid::gridSetSortIndicator(grid(), (state < 0 ? -state : state) - 1,
                             state < 0 ? grid::GRID_SORT_DESCENDING : grid::GRID_SORT_ASCENDING);
}

std::optional<std::size_t> CTabTZones::selectedRow() const {
  const grid::GridRange range = grid::gridGetSelection(grid());
  if (range.firstRow < 1 || range.firstRow != range.lastRow ||
      static_cast<std::size_t>(range.firstRow) > model_->rows()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(range.firstRow - 1);
}

bool CTabTZones::onCommand(int controlId, int notification, HWND) {
  if (controlId == IDC_ZONE_LOCALE && notification == CBN_SELCHANGE) {
    onLocaleChosen();
    return true;
  }
  if (notification != BN_CLICKED || !model_)
    return false;
  switch (controlId) {
    case IDC_ZONE_ADD:
      addZone();
      return true;
    case IDC_ZONE_EDIT:
      editSelected();
      return true;
    case IDC_ZONE_DELETE:
      deleteSelected();
      return true;
    default:
      return false;
  }
}

bool CTabTZones::onNotify(const NMHDR& header, LRESULT& result) {
  if (header.idFrom != IDC_ZONES_GRID || !model_)
    return false;
  result = 0;
  const auto& note = reinterpret_cast<const grid::GridNotification&>(header);
  switch (header.code) {
    case grid::GRIDN_HEADERCLICK:
      model_->sortBy(note.column);
      fillTable();
      return true;
    case grid::GRIDN_ACTIVATE:
      editSelected();
      return true;
    default:
      return false;
  }
}

void CTabTZones::addZone() {
  const auto outcome = CSelectTZone::run(window(), context(), model_->dialogForAdd());
  if (!outcome)
    return;
  if (!model_->add(outcome->zone, outcome->names))
    ui().showError(window(), wide(zonesRegistryError()));
  fillTable();
}

void CTabTZones::editSelected() {
  const auto row = selectedRow();
  if (!row)
    return;
  const auto outcome = CSelectTZone::run(window(), context(), model_->dialogForEdit(*row));
  if (!outcome)
    return;
  if (!model_->edit(*row, outcome->zone, outcome->names))
    ui().showError(window(), wide(zonesRegistryError()));
  fillTable();
}

void CTabTZones::deleteSelected() {
  const auto row = selectedRow();
  if (!row)
    return;
  const std::size_t zone = model_->zoneInRow(*row);
  const std::wstring text = L"Are you sure you want to delete abbreviation\n" +
                            wide(model_->namesOf(zone).abbreviation) + L"\nfor timezone\n" +
                            wide(model_->zone(zone).displayName);
  if (ui().messageBox(window(), text, L"Delete timezone abbreviation",
                      MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) {
    return;
  }
  if (!model_->remove(*row))
    ui().showError(window(), wide(zonesRegistryError()));
  grid::gridSetSelection(grid(), grid::GridRange{});
  fillTable();
}

void CTabTZones::onLocaleChosen() {
  HWND locales = control(IDC_ZONE_LOCALE);
  const LRESULT item = SendMessageW(locales, CB_GETCURSEL, 0, 0);
  if (item < 0 || !model_)
    return;
  std::wstring text(static_cast<std::size_t>(
                        SendMessageW(locales, CB_GETLBTEXTLEN, static_cast<WPARAM>(item), 0)) +
                        1,
                    L'\0');
  text.resize(static_cast<std::size_t>(SendMessageW(
      locales, CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text.data()))));
  if (!model_->chooseLocale(portable(text)))
    ui().showError(window(), L"Error can't open registry: Software\\OBR\\Zembrik");
}

void CTabTZones::notifyClocks() {
  notifyClock(NotifyScope::EveryClock);
}

}  // namespace zembrik
