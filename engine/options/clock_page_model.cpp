#include "engine/options/clock_page_model.h"

#include <cstdio>
#include <string>
#include <utility>

#include "engine/options/clock_page_defaults.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/face_loading.h"

namespace zembrik {

namespace {

constexpr std::u16string_view kMarginNames[] = {u"top", u"bottom", u"left", u"right"};
constexpr std::int32_t kNoSetYet = 0x7FFFFFFF;

std::u16string hexColor(std::uint32_t color) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%06x", static_cast<unsigned>(color));
  return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

void insertColumnAt(ClockPageLayout& layout, int at) {
  layout.insertColumn(at);
}
void deleteColumnAt(ClockPageLayout& layout, int at) {
  layout.deleteColumn(at);
}
void insertRowAt(ClockPageLayout& layout, int at) {
  layout.insertRow(at);
}
void deleteRowAt(ClockPageLayout& layout, int at) {
  layout.deleteRow(at);
}

}  // namespace

bool ClockPageModel::afterSelectClockSet(bool baseChanged) {
  if (!baseChanged && initialised_)
    return false;
  layout_ = {};
  selection_ = {};
  neighbourFont_.reset();
  fontBorrowed_ = false;
  RegistryKey* key = services_.setKey();
  if (key == nullptr)
    return true;

  for (int side = 0; side < 4; ++side)
    margins_[side] = static_cast<std::int32_t>(readNumber(*key, kMarginNames[side]).value_or(0));
  faceSeparators_ = decodeFaceSeparatorBoxes(readNumber(*key, u"separator").value_or(0));

  if (std::optional<ClockPageLayout> stored = readClockPageLayout(*key)) {
    layout_ = std::move(*stored);
  } else {
    std::int32_t set = services_.currentSet();
    bool vertical = set < 0 && set != kNoSetYet;
    layout_ = defaultClockPageLayout(vertical, services_.measuredClockHeight());
    seedNewKey(false);
    // Only a reload that wrote something has anything for the clock to reload; a set switch or
    // a new monitor variant is announced by the framework already.
    services_.notifyClock(0);
  }
  return true;
}

RegistryKey* ClockPageModel::keyForWrite() {
  ClockPageServices::OwnKey own = services_.makeSureOfOwnKey();
  if (own.key != nullptr && own.justCreated)
    writeLayout(*own.key, LayoutChange::None, true);
  return own.key;
}

bool ClockPageModel::writeFaceValues(RegistryKey& key) {
  bool ok = true;
  for (int side : {3, 2, 1, 0})
    ok &= writeNumber(key, kMarginNames[side], static_cast<std::uint32_t>(margins_[side]));
  ok &= writeNumber(key, u"separator", encodeFaceSeparatorBoxes(faceSeparators_));
  return ok;
}

bool ClockPageModel::writeLayout(RegistryKey& key, LayoutChange change, bool withFaceValues) {
  bool ok = writeClockPageLayout(key, layout_, change);
  if (withFaceValues)
    ok &= writeFaceValues(key);
  return ok;
}

bool ClockPageModel::seedNewKey(bool newVariant) {
  ClockPageServices::OwnKey own = services_.makeSureOfOwnKey();
  if (own.key == nullptr)
    return false;
  return writeLayout(*own.key, LayoutChange::None, newVariant || own.justCreated);
}

std::u16string ClockPageModel::gridText(int row, int column) const {
  if (!layout_.contains(row, column))
    return {};
  const std::optional<ClockPageCell>& cell = layout_.at(row, column);
  return cell ? cell->text() : std::u16string{};
}

ClockPageCell* ClockPageModel::selectedCell() {
  return const_cast<ClockPageCell*>(std::as_const(*this).selectedCell());
}

const ClockPageCell* ClockPageModel::selectedCell() const {
  if (selection_.selectedCount != 1 ||
      !layout_.contains(selection_.focusRow, selection_.focusColumn))
    return nullptr;
  const std::optional<ClockPageCell>& cell =
      layout_.at(selection_.focusRow, selection_.focusColumn);
  return cell ? &*cell : nullptr;
}

void ClockPageModel::select(const GridSelection& selection) {
  selection_ = selection;
  neighbourFont_.reset();
  fontBorrowed_ = false;
  if (selection.selectedCount != 1 || !layout_.contains(selection.focusRow, selection.focusColumn))
    return;
  std::optional<ClockPageCell>& cell = layout_.at(selection.focusRow, selection.focusColumn);
  if (!cell)
    cell.emplace();
  if (cell->text().empty() && cell->font.empty())
    rememberNeighbourFont(selection.focusRow, selection.focusColumn);
}

void ClockPageModel::rememberNeighbourFont(int row, int column) {
  const int neighbours[4][2] = {
      {row, column - 1}, {row, column + 1}, {row - 1, column}, {row + 1, column}};
  for (const auto& [r, c] : neighbours) {
    if (!layout_.contains(r, c))
      continue;
    const std::optional<ClockPageCell>& cell = layout_.at(r, c);
    if (cell && !cell->font.empty()) {
      neighbourFont_ = cell->font;
      return;
    }
  }
}

std::optional<CellFields> ClockPageModel::selectedCellFields() const {
  const ClockPageCell* cell = selectedCell();
  if (cell == nullptr)
    return std::nullopt;
  const CellValue& value = cell->value;
  CellFields fields;
  fields.leftInset = value.leftInset;
  fields.rightInset = value.rightInset;
  fields.aboveInset = value.topInset;
  fields.belowInset = value.bottomInset;
  fields.text = value.format;
  fields.effect = value.effect;
  fields.reset = value.flags & (kCellResetX | kCellResetY);
  fields.rank = value.hidePriority;
  if (!cell->font.empty())
    fields.fontDescription = services_.fontDescription(cell->font);
  else if (neighbourFont_)
    fields.fontDescription = services_.fontDescription(*neighbourFont_);
  fields.colorChecked = cell->color != kNoCellColor;
  if (fields.colorChecked)
    fields.colorText = hexColor(static_cast<std::uint32_t>(cell->color));
  else if (cell->keptColor)
    fields.colorText = hexColor(*cell->keptColor);
  fields.leftSeparator = decodeCellSeparator(value.cellSeparator);
  fields.rightSeparator = decodeCellSeparator(value.reserved);
  fields.centreVertically = value.stretchWeight != 0;
  fields.antialias = (value.flags & kCellNoAntialias) == 0;
  return fields;
}

bool ClockPageModel::wholeColumnSelected() const {
  return selection_.firstColumn >= 0 && selection_.firstColumn == selection_.lastColumn &&
         selection_.firstColumn < layout_.columns && layout_.rows > 0 && selection_.firstRow == 0 &&
         selection_.lastRow == layout_.rows - 1;
}

bool ClockPageModel::wholeRowSelected() const {
  return selection_.firstRow >= 0 && selection_.firstRow == selection_.lastRow &&
         selection_.firstRow < layout_.rows && layout_.columns > 0 && selection_.firstColumn == 0 &&
         selection_.lastColumn == layout_.columns - 1;
}

// A one-row grid's column, or a one-column grid's row, is also a single cell: the commands go
// by what the selection covers. An empty grid offers nothing to select, so the first row or
// column can be inserted without one.
GridCommandStates ClockPageModel::commandStates() const {
  GridCommandStates states;
  bool roomForColumn = layout_.columns < kMaxGridSide;
  bool roomForRow = layout_.rows < kMaxGridSide;
  bool column = wholeColumnSelected();
  bool row = wholeRowSelected();
  states.insertColumn = roomForColumn && (column || layout_.columns == 0);
  states.deleteColumn = column && layout_.columns > 1;
  states.insertRowAbove = roomForRow && (row || layout_.rows == 0);
  states.insertRowBelow = states.insertRowAbove;
  states.deleteRow = row && layout_.rows > 0;
  return states;
}

bool ClockPageModel::changeGrid(LayoutChange change, void (*reshape)(ClockPageLayout&, int),
                                int at) {
  ClockPageServices::OwnKey own = services_.makeSureOfOwnKey();
  if (own.key == nullptr)
    return false;
  reshape(layout_, at);
  selection_ = {};
  neighbourFont_.reset();
  bool ok = writeLayout(*own.key, change, own.justCreated);
  services_.notifyClock(0);
  return ok;
}

bool ClockPageModel::insertColumn(bool after) {
  if (!commandStates().insertColumn)
    return false;
  int at = layout_.columns == 0 ? 0 : selection_.firstColumn + (after ? 1 : 0);
  return changeGrid(LayoutChange::Grown, insertColumnAt, at);
}

bool ClockPageModel::deleteColumn() {
  if (!commandStates().deleteColumn)
    return false;
  return changeGrid(LayoutChange::Shrunk, deleteColumnAt, selection_.firstColumn);
}

bool ClockPageModel::insertRow(bool below) {
  if (!(below ? commandStates().insertRowBelow : commandStates().insertRowAbove))
    return false;
  int at = layout_.rows == 0 ? 0 : selection_.firstRow + (below ? 1 : 0);
  return changeGrid(LayoutChange::Grown, insertRowAt, at);
}

bool ClockPageModel::deleteRow() {
  if (!commandStates().deleteRow)
    return false;
  return changeGrid(LayoutChange::Shrunk, deleteRowAt, selection_.firstRow);
}

FieldResult ClockPageModel::setMargin(MarginSide side, std::u16string_view text) {
  int index = static_cast<int>(side);
  FieldResult result{FieldInput::NotWritten, margins_[index]};
  if (!initialised_)
    return result;
  std::optional<std::int64_t> number = parseFieldNumber(text);
  if (!number)
    return {FieldInput::NotANumber, margins_[index]};
  if (*number < -kInsetLimit || *number > kInsetLimit)
    return {FieldInput::OutOfRange, margins_[index]};
  RegistryKey* key = keyForWrite();
  if (key == nullptr)
    return result;
  int value = static_cast<int>(*number);
  writeNumber(*key, kMarginNames[index], static_cast<std::uint32_t>(value));
  margins_[index] = value;
  services_.notifyClock(0);
  return {FieldInput::Written, value};
}

bool ClockPageModel::setFaceSeparators(const FaceSeparatorBoxes& boxes) {
  if (!initialised_)
    return false;
  RegistryKey* key = keyForWrite();
  if (key == nullptr)
    return false;
  bool ok = writeNumber(*key, u"separator", encodeFaceSeparatorBoxes(boxes));
  faceSeparators_ = boxes;
  services_.notifyClock(0);
  return ok;
}

}  // namespace zembrik
