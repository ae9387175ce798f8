#include "options/page_clock_win32.h"

#include <commctrl.h>

#include <string>

#include "engine/options/clock_page_help.h"
#include "grid/grid_messages.h"
#include "options/page_clock_ids.h"
#include "platform/win32/dc_scopes_win32.h"
#include "platform/win32/wide_text_win32.h"

namespace zembrik {

namespace {

constexpr int kResetChoices = 4;

std::wstring windowText(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

// Replaces a drop-down list's items, keeping the selected index.
void replaceComboTexts(HWND combo, std::initializer_list<const wchar_t*> texts) {
  LRESULT selection = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const wchar_t* text : texts)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}

// The help list with a horizontal extent of its widest item, measured with the list's own font,
// plus one average character.
void fillFormatHelp(HWND list) {
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  WindowDc dc(list);
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0));
  SelectedObject keepFont(dc.get(), font);
  int widest = 0;
  for (std::u16string_view item : clockPageFormatHelp()) {
    std::wstring text = wide(item);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    DWORD extent =
        GetTabbedTextExtentW(dc.get(), text.c_str(), static_cast<int>(text.size()), 0, nullptr);
    widest = std::max(widest, static_cast<int>(LOWORD(extent)));
  }
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.get(), &metrics);
  SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + metrics.tmAveCharWidth),
               0);
}

struct NumberField {
  int id;
  int spin;
  InsetSide side;
};
constexpr NumberField kInsetFields[] = {{IDC_CELL_ABOVE, IDC_CELL_ABOVE_SPIN, InsetSide::Above},
                                        {IDC_CELL_BELOW, IDC_CELL_BELOW_SPIN, InsetSide::Below},
                                        {IDC_CELL_LEFT, IDC_CELL_LEFT_SPIN, InsetSide::Left},
                                        {IDC_CELL_RIGHT, IDC_CELL_RIGHT_SPIN, InsetSide::Right}};

struct SpaceField {
  int id;
  int spin;
  MarginSide side;
};
constexpr SpaceField kSpaceFields[] = {{IDC_SPACE_ABOVE, IDC_SPACE_ABOVE_SPIN, MarginSide::Top},
                                       {IDC_SPACE_BELOW, IDC_SPACE_BELOW_SPIN, MarginSide::Bottom},
                                       {IDC_SPACE_LEFT, IDC_SPACE_LEFT_SPIN, MarginSide::Left},
                                       {IDC_SPACE_RIGHT, IDC_SPACE_RIGHT_SPIN, MarginSide::Right}};

const NumberField* insetField(int id) {
  for (const NumberField& field : kInsetFields)
    if (field.id == id)
      return &field;
  return nullptr;
}

const SpaceField* spaceField(int id) {
  for (const SpaceField& field : kSpaceFields)
    if (field.id == id)
      return &field;
  return nullptr;
}

// Wide enough for the last row's header with the grid's font and a margin on each side.
int rowHeaderWidth(HWND grid, int rows) {
  std::wstring widest = L"row " + std::to_wstring(rows > 0 ? rows - 1 : 0);
  WindowDc dc(grid);
  SelectedObject keepFont(dc.get(),
                          reinterpret_cast<HGDIOBJ>(SendMessageW(grid, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), widest.c_str(), static_cast<int>(widest.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.get(), &metrics);
  return size.cx + 2 * metrics.tmAveCharWidth;
}

}  // namespace

CTabClock::CTabClock(OptionsContext& context) : C_BaseTab(context, IDD_PAGE_CLOCK) {}

CTabClock::~CTabClock() = default;

void CTabClock::onInitPage() {
  services_ = std::make_unique<ClockSetPageServices>(clockSet(), windows_);
  model_ = std::make_unique<ClockPageModel>(*services_);
  showingValues_ = true;
  replaceComboTexts(control(IDC_CELL_EFFECT), {L"None", L"Shadow", L"Engrave", L"Emboss"});
  replaceComboTexts(control(IDC_CELL_RESET), {L"none", L"reset X", L"reset Y", L"reset X&Y"});
  HWND grid = control(IDC_CLOCK_GRID);
  SendMessageW(grid, WM_SETFONT, SendMessageW(window(), WM_GETFONT, 0, 0), TRUE);
  grid::gridSetFixed(grid, 1, 1);
  grid::gridSetSelectionMode(grid, grid::GRID_SELECT_CELLS);
  fillFormatHelp(control(IDC_FORMAT_HELP));
  for (const NumberField& field : kInsetFields)
    SendMessageW(control(field.spin), UDM_SETRANGE32, static_cast<WPARAM>(-kInsetLimit),
                 kInsetLimit);
  for (const SpaceField& field : kSpaceFields)
    SendMessageW(control(field.spin), UDM_SETRANGE32, static_cast<WPARAM>(-kInsetLimit),
                 kInsetLimit);
  SendMessageW(control(IDC_CELL_RANK_SPIN), UDM_SETRANGE32, 0, kMaxRank);

  RECT group{};
  GetWindowRect(control(IDC_SELECTED_CELL_GROUP), &group);
  for (HWND child = GetWindow(window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    GetWindowRect(child, &rect);
    if (child != control(IDC_SELECTED_CELL_GROUP) && rect.left >= group.left &&
        rect.right <= group.right && rect.top >= group.top && rect.bottom <= group.bottom)
      selectedCellControls_.push_back(child);
  }
  showingValues_ = false;
}

void CTabClock::seedNewKey(int flag) {
  if (model_)
    model_->seedNewKey(flag != 0);
}

void CTabClock::onRefresh(bool setChanged) {
  if (!model_ || !model_->afterSelectClockSet(setChanged))
    return;
  fillGrid();
  showFaceValues();
  showSelectedCell();
  model_->markInitialised();
}

void CTabClock::fillGrid() {
  HWND grid = control(IDC_CLOCK_GRID);
  const ClockPageLayout& layout = model_->layout();
  grid::gridSetSize(grid, layout.rows + 1, layout.columns + 1);
  grid::gridSetFixed(grid, 1, 1);
  for (int column = 0; column < layout.columns; ++column)
    grid::gridSetText(grid, 0, column + 1, (L"col " + std::to_wstring(column)).c_str());
  for (int row = 0; row < layout.rows; ++row) {
    grid::gridSetText(grid, row + 1, 0, (L"row " + std::to_wstring(row)).c_str());
    for (int column = 0; column < layout.columns; ++column)
      grid::gridSetText(grid, row + 1, column + 1, wide(model_->gridText(row, column)).c_str());
  }
  grid::gridSetSelection(grid, grid::GridRange{});
  model_->select({});
  grid::gridAutoSizeColumns(grid);
  grid::gridSetColumnWidth(grid, 0, rowHeaderWidth(grid, layout.rows));
  InvalidateRect(grid, nullptr, TRUE);
}

void CTabClock::setFieldText(int id, const std::wstring& text) {
  bool wasShowing = std::exchange(showingValues_, true);
  if (windowText(control(id)) != text)
    SetWindowTextW(control(id), text.c_str());
  showingValues_ = wasShowing;
}

void CTabClock::setFieldNumber(int id, int value) {
  setFieldText(id, std::to_wstring(value));
}

bool CTabClock::checked(int id) const {
  return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CTabClock::check(int id, bool on) {
  SendMessageW(control(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CTabClock::showFaceValues() {
  for (const SpaceField& field : kSpaceFields) setFieldNumber(field.id, model_->margin(field.side));
  FaceSeparatorBoxes boxes = model_->faceSeparators();
  check(IDC_FACE_SEPARATOR_LEADING, boxes.leading);
  check(IDC_FACE_SEPARATOR_TRAILING, boxes.trailing);
  check(IDC_FACE_SEPARATOR_ONE_PIXEL, boxes.onePixel);
  SetWindowTextW(control(IDC_SPACE_HINT), L"");
}

void CTabClock::setSelectedCellControlsVisible(bool visible) {
  for (HWND child : selectedCellControls_) ShowWindow(child, visible ? SW_SHOWNA : SW_HIDE);
}

void CTabClock::showSelectedCell() {
  std::optional<CellFields> fields = model_->selectedCellFields();
  bool wasShowing = std::exchange(showingValues_, true);
  if (!fields) {
    setSelectedCellControlsVisible(false);
    fields = CellFields{};
  }
  setFieldText(IDC_CELL_TEXT, wide(fields->text));
  setFieldNumber(IDC_CELL_ABOVE, fields->aboveInset);
  setFieldNumber(IDC_CELL_BELOW, fields->belowInset);
  setFieldNumber(IDC_CELL_LEFT, fields->leftInset);
  setFieldNumber(IDC_CELL_RIGHT, fields->rightInset);
  setFieldNumber(IDC_CELL_RANK, fields->rank);
  SendMessageW(control(IDC_CELL_EFFECT), CB_SETCURSEL, static_cast<WPARAM>(fields->effect), 0);
  SendMessageW(control(IDC_CELL_RESET), CB_SETCURSEL,
               static_cast<WPARAM>(fields->reset % kResetChoices), 0);
  setFieldText(IDC_CELL_FONT_DESCRIPTION, wide(fields->fontDescription));
  check(IDC_CELL_COLOR, fields->colorChecked);
  setFieldText(IDC_CELL_COLOR_VALUE, wide(fields->colorText));
  EnableWindow(control(IDC_CELL_COLOR_CHOOSE), fields->colorChecked);
  const struct {
    int shown, onePixel, fullSize;
    CellSeparatorBoxes boxes;
  } separators[] = {{IDC_CELL_SEPARATOR, IDC_CELL_SEPARATOR_ONE_PIXEL, IDC_CELL_SEPARATOR_FULL_SIZE,
                     fields->leftSeparator},
                    {IDC_CELL_RIGHT_SEPARATOR, IDC_CELL_RIGHT_SEPARATOR_ONE_PIXEL,
                     IDC_CELL_RIGHT_SEPARATOR_FULL_SIZE, fields->rightSeparator}};
  for (const auto& separator : separators) {
    check(separator.shown, separator.boxes.shown);
    check(separator.onePixel, separator.boxes.onePixel);
    check(separator.fullSize, separator.boxes.fullSize);
    EnableWindow(control(separator.onePixel), separator.boxes.shown);
    EnableWindow(control(separator.fullSize), separator.boxes.shown);
  }
  check(IDC_CELL_CENTRE_VERTICALLY, fields->centreVertically);
  check(IDC_CELL_ANTIALIAS, fields->antialias);
  SetWindowTextW(control(IDC_CELL_HINT), L"");
  showingValues_ = wasShowing;
  if (model_->hasSelectedCell())
    setSelectedCellControlsVisible(true);
  showCommandStates();
}

void CTabClock::showCommandStates() {
  GridCommandStates states = model_->commandStates();
  EnableWindow(control(IDC_INSERT_COLUMN_BEFORE), states.insertColumn);
  EnableWindow(control(IDC_INSERT_COLUMN_AFTER), states.insertColumn);
  EnableWindow(control(IDC_DELETE_COLUMN), states.deleteColumn);
  EnableWindow(control(IDC_INSERT_ROW_ABOVE), states.insertRowAbove);
  EnableWindow(control(IDC_INSERT_ROW_BELOW), states.insertRowBelow);
  EnableWindow(control(IDC_DELETE_ROW), states.deleteRow);
}

void CTabClock::showHint(int hintId, const FieldResult& result) {
  SetWindowTextW(control(hintId), wide(fieldHint(result.input)).c_str());
}

bool CTabClock::onNotify(const NMHDR& header, LRESULT& result) {
  if (!model_ || header.idFrom != IDC_CLOCK_GRID || header.code != grid::GRIDN_SELCHANGED)
    return false;
  onGridSelectionChanged(header);
  result = 0;
  return true;
}

void CTabClock::onGridSelectionChanged(const NMHDR& header) {
  const auto& notification = reinterpret_cast<const grid::GridNotification&>(header);
  auto cellIndex = [](int gridIndex) { return gridIndex < 0 ? -1 : gridIndex - 1; };
  GridSelection selection{cellIndex(notification.range.firstRow),
                          cellIndex(notification.range.firstColumn),
                          cellIndex(notification.range.lastRow),
                          cellIndex(notification.range.lastColumn),
                          cellIndex(notification.row),
                          cellIndex(notification.column),
                          notification.selectedCount};
  model_->select(selection);
  showSelectedCell();
}

bool CTabClock::onCommand(int controlId, int notification, HWND) {
  if (!model_)
    return false;
  if (showingValues_)
    return true;
  if (notification == EN_CHANGE) {
    if (controlId == IDC_CELL_TEXT)
      onCellTextChanged();
    else if (insetField(controlId) || controlId == IDC_CELL_RANK)
      onCellNumberChanged(controlId);
    else if (spaceField(controlId))
      onSpaceChanged(controlId);
    else
      return false;
    return true;
  }
  if (notification == EN_KILLFOCUS) {
    if (insetField(controlId) || controlId == IDC_CELL_RANK) {
      onCellNumberLeft(controlId);
      return true;
    }
    if (spaceField(controlId)) {
      setFieldNumber(controlId, model_->margin(spaceField(controlId)->side));
      SetWindowTextW(control(IDC_SPACE_HINT), L"");
      return true;
    }
    return false;
  }
  if (notification == CBN_SELCHANGE &&
      (controlId == IDC_CELL_EFFECT || controlId == IDC_CELL_RESET)) {
    auto selection = static_cast<int>(SendMessageW(control(controlId), CB_GETCURSEL, 0, 0));
    if (selection >= 0)
      controlId == IDC_CELL_EFFECT ? model_->setEffect(selection) : model_->setReset(selection);
    return true;
  }
  if (notification != BN_CLICKED)
    return false;
  switch (controlId) {
    case IDC_CELL_SEPARATOR:
    case IDC_CELL_SEPARATOR_ONE_PIXEL:
    case IDC_CELL_SEPARATOR_FULL_SIZE:
    case IDC_CELL_RIGHT_SEPARATOR:
    case IDC_CELL_RIGHT_SEPARATOR_ONE_PIXEL:
    case IDC_CELL_RIGHT_SEPARATOR_FULL_SIZE:
    case IDC_CELL_CENTRE_VERTICALLY:
    case IDC_CELL_ANTIALIAS:
      onCellCheck(controlId);
      return true;
    case IDC_FACE_SEPARATOR_LEADING:
    case IDC_FACE_SEPARATOR_TRAILING:
    case IDC_FACE_SEPARATOR_ONE_PIXEL:
      onFaceSeparatorClicked();
      return true;
    case IDC_CELL_COLOR:
      onColorChecked();
      return true;
    case IDC_CELL_COLOR_CHOOSE:
      onChooseColor();
      return true;
    case IDC_CELL_FONT:
      onChooseFont();
      return true;
    case IDC_INSERT_COLUMN_BEFORE:
    case IDC_INSERT_COLUMN_AFTER:
    case IDC_DELETE_COLUMN:
    case IDC_INSERT_ROW_ABOVE:
    case IDC_INSERT_ROW_BELOW:
    case IDC_DELETE_ROW:
      onGridCommand(controlId);
      return true;
    default:
      return false;
  }
}

void CTabClock::onCellTextChanged() {
  std::wstring text = windowText(control(IDC_CELL_TEXT));
  if (!model_->setText(portable(text)))
    return;
  std::optional<CellFields> fields = model_->selectedCellFields();
  if (!fields)
    return;
  setFieldText(IDC_CELL_FONT_DESCRIPTION, wide(fields->fontDescription));
  HWND grid = control(IDC_CLOCK_GRID);
  grid::GridRange range = grid::gridGetSelection(grid);
  grid::gridSetText(grid, range.firstRow, range.firstColumn, text.c_str());
  InvalidateRect(grid, nullptr, FALSE);
}

void CTabClock::onCellNumberChanged(int id) {
  std::u16string text = portable(windowText(control(id)));
  FieldResult result =
      id == IDC_CELL_RANK ? model_->setRank(text) : model_->setInset(insetField(id)->side, text);
  showHint(IDC_CELL_HINT, result);
  // A clamped rank shows the value stored.
  if (id == IDC_CELL_RANK && result.input == FieldInput::Written &&
      parseFieldNumber(text) != std::optional<std::int64_t>(result.value))
    setFieldNumber(id, result.value);
}

void CTabClock::onCellNumberLeft(int id) {
  std::optional<CellFields> fields = model_->selectedCellFields();
  if (!fields)
    return;
  int stored = fields->rank;
  if (const NumberField* field = insetField(id)) {
    stored = field->side == InsetSide::Above   ? fields->aboveInset
             : field->side == InsetSide::Below ? fields->belowInset
             : field->side == InsetSide::Left  ? fields->leftInset
                                               : fields->rightInset;
  }
  setFieldNumber(id, stored);
  SetWindowTextW(control(IDC_CELL_HINT), L"");
}

void CTabClock::onSpaceChanged(int id) {
  FieldResult result = model_->setMargin(spaceField(id)->side, portable(windowText(control(id))));
  showHint(IDC_SPACE_HINT, result);
}

void CTabClock::onCellCheck(int id) {
  switch (id) {
    case IDC_CELL_CENTRE_VERTICALLY:
      model_->setCentreVertically(checked(id));
      break;
    case IDC_CELL_ANTIALIAS:
      model_->setAntialias(checked(id));
      break;
    case IDC_CELL_SEPARATOR:
    case IDC_CELL_SEPARATOR_ONE_PIXEL:
    case IDC_CELL_SEPARATOR_FULL_SIZE:
      model_->setLeftSeparator({checked(IDC_CELL_SEPARATOR), checked(IDC_CELL_SEPARATOR_ONE_PIXEL),
                                checked(IDC_CELL_SEPARATOR_FULL_SIZE)});
      break;
    default:
      model_->setRightSeparator({checked(IDC_CELL_RIGHT_SEPARATOR),
                                 checked(IDC_CELL_RIGHT_SEPARATOR_ONE_PIXEL),
                                 checked(IDC_CELL_RIGHT_SEPARATOR_FULL_SIZE)});
      break;
  }
  showSelectedCell();
}

void CTabClock::onFaceSeparatorClicked() {
  model_->setFaceSeparators({checked(IDC_FACE_SEPARATOR_LEADING),
                             checked(IDC_FACE_SEPARATOR_TRAILING),
                             checked(IDC_FACE_SEPARATOR_ONE_PIXEL)});
}

void CTabClock::onColorChecked() {
  model_->setColorChecked(checked(IDC_CELL_COLOR));
  showSelectedCell();
}

void CTabClock::onChooseColor() {
  if (!model_->hasSelectedCell() || !checked(IDC_CELL_COLOR))
    return;
  static COLORREF customColours[16] = {};
  CHOOSECOLORW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = window();
  request.rgbResult = model_->colorForDialog();
  request.lpCustColors = customColours;
  request.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (ui().chooseColour(request))
    model_->applyChosenColor(request.rgbResult);
  showSelectedCell();
}

void CTabClock::onChooseFont() {
  std::optional<FontDialogFont> start = model_->beginFontDialog();
  if (!start)
    return;
  LOGFONTW font{};
  if (start->pointSize != 0) {
    WindowDc screen(nullptr);
    font.lfHeight = -MulDiv(start->pointSize, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  }
  font.lfWeight = start->weight;
  font.lfCharSet = DEFAULT_CHARSET;
  std::wstring face = wide(start->face).substr(0, LF_FACESIZE - 1);
  face.copy(font.lfFaceName, face.size());
  CHOOSEFONTW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = window();
  request.lpLogFont = &font;
  request.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS;
  if (ui().chooseFont(request))
    model_->finishFontDialog(
        FontDialogFont{request.iPointSize / 10, font.lfWeight, portable(font.lfFaceName)});
  else
    model_->finishFontDialog(std::nullopt);
  showSelectedCell();
}

void CTabClock::onGridCommand(int id) {
  bool changed = false;
  switch (id) {
    case IDC_INSERT_COLUMN_BEFORE:
    case IDC_INSERT_COLUMN_AFTER:
      changed = model_->insertColumn(id == IDC_INSERT_COLUMN_AFTER);
      break;
    case IDC_INSERT_ROW_ABOVE:
    case IDC_INSERT_ROW_BELOW:
      changed = model_->insertRow(id == IDC_INSERT_ROW_BELOW);
      break;
    case IDC_DELETE_COLUMN:
      if (model_->commandStates().deleteColumn &&
          ui().messageBox(window(), L"Delete column, are you sure!", L"Delete column",
                          MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK)
        changed = model_->deleteColumn();
      break;
    case IDC_DELETE_ROW:
      if (model_->commandStates().deleteRow &&
          ui().messageBox(window(), L"Delete line, are you sure!", L"Delete line",
                          MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK)
        changed = model_->deleteRow();
      break;
    default:
      break;
  }
  if (!changed)
    return;
  fillGrid();
  showSelectedCell();
}

}  // namespace zembrik
