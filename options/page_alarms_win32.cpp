#include "options/page_alarms_win32.h"

#include <string>

#include "engine/protocol/window_messages.h"
#include "grid/grid_messages.h"
#include "options/alarm_details_win32.h"
#include "options/page_alarms_ids.h"
#include "platform/win32/calendar_time_win32.h"
#include "platform/win32/caught_exception_win32.h"
#include "platform/win32/wide_text_win32.h"

namespace zembrik {

namespace {

CalendarTime localNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return toCalendarTime(now);
}

void postIfFound(HWND window) {
  if (window != nullptr)
    PostMessageW(window, MSG_RELOAD_ALARMS, 0, 0);
}

}  // namespace

void postAlarmsReload() {
  postIfFound(FindWindowA(kHostWindowClass, kHostWindowTitle));
  HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  HWND notify = tray ? FindWindowExW(tray, nullptr, L"TrayNotifyWnd", nullptr) : nullptr;
  postIfFound(notify ? FindWindowExW(notify, nullptr, L"TrayClockWClass", nullptr) : nullptr);
}

CTabAlarms::CTabAlarms(OptionsContext& context) : C_BaseTab(context, IDD_PAGE_ALARMS) {}

void CTabAlarms::onInitPage() {
  RegistryKey* settings = settingsKey();
  if (settings == nullptr)
    return;  // the base has said so; the table stays empty
  model_ = std::make_unique<AlarmsPageModel>(*settings, &postAlarmsReload);
  model_->load(localNow());
  using namespace grid;
  gridSetSelectionMode(grid(), GRID_SELECT_ROWS);
  gridSetSize(grid(), static_cast<int>(model_->rows()) + 1, kAlarmColumns);
  gridSetFixed(grid(), 1, 1);
  const AlarmRowTexts& headers = alarmHeaderTexts();
  for (int column = 0; column < kAlarmColumns; ++column)
    gridSetText(grid(), 0, column, wide(headers[column]).c_str());
  fillRows();
  gridAutoSizeColumns(grid());
  updateButtons();
  // With a procedure of its own: the base page takes every WM_TIMER that reaches the dialog.
  rowsTimer_ = UniqueTimer(window(), kRowsTimerId, 1000, &onRowsTimer);
}

void CALLBACK CTabAlarms::onRowsTimer(HWND window, UINT, UINT_PTR, DWORD) {
  try {
    // The page object the base keeps with its window; this timer is set on Alarms pages only.
    auto* page = reinterpret_cast<C_BaseTab*>(GetWindowLongPtrW(window, DWLP_USER));
    if (page != nullptr)
      static_cast<CTabAlarms*>(page)->fillRows();  // the times to alarm change; the order stays
  } catch (...) {
    recordCaughtException(L"CTabAlarms::onRowsTimer");
  }
}

void CTabAlarms::onDestroyPage() {
  rowsTimer_.reset();
}

void CTabAlarms::fillRows() {
  if (!model_)
    return;
  const CalendarTime now = localNow();
  for (std::size_t row = 0; row < model_->rows(); ++row) {
    const AlarmRowTexts texts = model_->rowTexts(row, now);
    for (int column = 0; column < kAlarmColumns; ++column) {
      grid::gridSetText(grid(), static_cast<int>(row) + 1, column, wide(texts[column]).c_str());
    }
  }
}

void CTabAlarms::refreshTable() {
  model_->sort(localNow());
  grid::gridSetSize(grid(), static_cast<int>(model_->rows()) + 1, kAlarmColumns);
  fillRows();
  grid::GridRange selection;
  if (const auto row = model_->selectedRow()) {
    selection = {static_cast<int>(*row) + 1, 0, static_cast<int>(*row) + 1, kAlarmColumns - 1};
    grid::gridSetSelection(grid(), selection);
    grid::gridEnsureVisible(grid(), selection.firstRow, 1);
  } else {
    grid::gridSetSelection(grid(), selection);
  }
  grid::gridAutoSizeColumns(grid());
  updateButtons();
}

void CTabAlarms::updateButtons() {
  const bool selected = model_ && model_->selectedRow().has_value();
  for (int id : {IDC_ALARM_EDIT, IDC_ALARM_DELETE, IDC_ALARM_SWITCH})
    EnableWindow(control(id), selected ? TRUE : FALSE);
  const std::u16string_view text = model_ ? model_->switchButtonText() : u"enable";
  SetWindowTextW(control(IDC_ALARM_SWITCH), wide(text).c_str());
}

void CTabAlarms::onSelectionChanged() {
  const grid::GridRange range = grid::gridGetSelection(grid());
  const bool oneRow = range.firstRow >= 1 && range.firstRow == range.lastRow;
  const auto previous = model_->selectedRow();
  model_->select(oneRow ? std::optional<std::size_t>(range.firstRow - 1) : std::nullopt);
  // Only the marker column changes: ">" in the selected row, blanks elsewhere.
  for (const auto row : {previous, model_->selectedRow()}) {
    if (row) {
      grid::gridSetText(grid(), static_cast<int>(*row) + 1, 0,
                        wide(alarmRowMarker(row == model_->selectedRow())).c_str());
    }
  }
  updateButtons();
}

bool CTabAlarms::onCommand(int controlId, int notification, HWND) {
  if (notification != BN_CLICKED || !model_)
    return false;
  switch (controlId) {
    case IDC_ALARM_ADD:
      addAlarm();
      return true;
    case IDC_ALARM_EDIT:
      editSelected();
      return true;
    case IDC_ALARM_DELETE:
      deleteSelected();
      return true;
    case IDC_ALARM_SWITCH:
      switchSelected();
      return true;
    default:
      return false;
  }
}

bool CTabAlarms::onNotify(const NMHDR& header, LRESULT& result) {
  if (header.idFrom != IDC_ALARMS_GRID || !model_)
    return false;
  result = 0;
  switch (header.code) {
    case grid::GRIDN_SELCHANGED:
      onSelectionChanged();
      return true;
    case grid::GRIDN_ACTIVATE:
      onSelectionChanged();
      editSelected();
      return true;
    default:
      return false;
  }
}

void CTabAlarms::showRegistryError() {
  ui().showError(window(), wide(alarmsRegistryError()));
}

void CTabAlarms::addAlarm() {
  const CalendarTime now = localNow();
  const auto details = CAlarmDetails::run(window(), context(), newAlarmDetails(now));
  if (!details)
    return;
  if (!model_->add(*details, localNow()))
    showRegistryError();
  refreshTable();
}

void CTabAlarms::editSelected() {
  const auto row = model_->selectedRow();
  if (!row)
    return;
  const auto details =
      CAlarmDetails::run(window(), context(), model_->detailsOfRow(*row, localNow()));
  if (!details)
    return;
  if (!model_->edit(*row, *details, localNow()))
    showRegistryError();
  refreshTable();
}

void CTabAlarms::deleteSelected() {
  const auto row = model_->selectedRow();
  if (!row)
    return;
  const std::wstring name = wide(model_->alarmInRow(*row).name);
  const int answer = ui().messageBox(window(), L"Delete alarm:\n" + name + L"\nare you sure?",
                                     L"Delete alarm: " + name, MB_YESNO | MB_ICONQUESTION);
  if (answer != IDYES)
    return;
  if (!model_->remove(*row))
    showRegistryError();
  refreshTable();
}

void CTabAlarms::switchSelected() {
  if (!model_->switchSelected(localNow()))
    showRegistryError();
  refreshTable();
}

}  // namespace zembrik
