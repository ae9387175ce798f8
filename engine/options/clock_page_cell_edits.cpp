// The selected cell's edits: each is made on a copy, written (after making sure the set has its
// own key), and only then kept, so a write that could not happen leaves the page showing what
// is stored.
#include <algorithm>
#include <utility>

#include "engine/options/clock_page_model.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/font_spec.h"
#include "engine/settings/value_names.h"

namespace zembrik {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr int kDialogDefaultPoints = 24;
constexpr std::u16string_view kDialogDefaultFace = u"Arial";

std::u16string fontSpecText(const FontDialogFont& font) {
  std::u16string spec = decimalText(font.pointSize);
  spec.append(u",").append(decimalText(font.weight)).append(u",,:").append(font.face);
  return spec;
}

int* insetField(CellValue& value, InsetSide side) {
  switch (side) {
    case InsetSide::Left:
      return &value.leftInset;
    case InsetSide::Right:
      return &value.rightInset;
    case InsetSide::Above:
      return &value.topInset;
    case InsetSide::Below:
      return &value.bottomInset;
  }
  return &value.leftInset;
}

}  // namespace

template <typename Change>
bool ClockPageModel::editSelectedCell(Change change) {
  ClockPageCell* cell = selectedCell();
  if (cell == nullptr)
    return false;
  ClockPageCell edited = *cell;
  change(edited);
  RegistryKey* key = keyForWrite();
  if (key == nullptr)
    return false;
  int row = selection_.focusRow;
  int column = selection_.focusColumn;
  bool ok = true;
  // A font taken from a neighbour goes first: a `font_` without its `cell_` is never read, while
  // the other order would show the new text in the default font for a moment.
  if (edited.font != cell->font)
    ok &= writeText(*key, cellValueName(u"font", row, column), edited.font);
  ok &= writeText(*key, cellValueName(u"cell", row, column), writePageCellValue(edited.value));
  *cell = std::move(edited);
  services_.notifyClock(0);
  return ok;
}

bool ClockPageModel::setText(std::u16string_view text) {
  std::optional<std::u16string> neighbour = neighbourFont_;
  return editSelectedCell([&](ClockPageCell& cell) {
    if (cell.font.empty() && !text.empty() && neighbour)
      cell.font = *neighbour;
    cell.value.format = std::u16string(text);
  });
}

FieldResult ClockPageModel::setInset(InsetSide side, std::u16string_view text) {
  ClockPageCell* cell = selectedCell();
  if (cell == nullptr)
    return {};
  int stored = *insetField(cell->value, side);
  std::optional<std::int64_t> number = parseFieldNumber(text);
  if (!number)
    return {FieldInput::NotANumber, stored};
  if (*number < -kInsetLimit || *number > kInsetLimit)
    return {FieldInput::OutOfRange, stored};
  int value = static_cast<int>(*number);
  if (!editSelectedCell([&](ClockPageCell& edited) { *insetField(edited.value, side) = value; }))
    return {FieldInput::NotWritten, stored};
  return {FieldInput::Written, value};
}

FieldResult ClockPageModel::setRank(std::u16string_view text) {
  ClockPageCell* cell = selectedCell();
  if (cell == nullptr)
    return {};
  int stored = cell->value.hidePriority;
  std::optional<std::int64_t> number = parseFieldNumber(text);
  if (!number)
    return {FieldInput::NotANumber, stored};
  auto rank = static_cast<std::uint8_t>(std::clamp<std::int64_t>(*number, 0, kMaxRank));
  if (!editSelectedCell([&](ClockPageCell& edited) { edited.value.hidePriority = rank; }))
    return {FieldInput::NotWritten, stored};
  return {FieldInput::Written, rank};
}

bool ClockPageModel::setEffect(int effect) {
  return editSelectedCell([&](ClockPageCell& cell) { cell.value.effect = effect; });
}

bool ClockPageModel::setReset(int choice) {
  return editSelectedCell([&](ClockPageCell& cell) {
    constexpr std::uint8_t kResetBits = kCellResetX | kCellResetY;
    cell.value.flags =
        static_cast<std::uint8_t>((cell.value.flags & ~kResetBits) | (choice & kResetBits));
  });
}

bool ClockPageModel::setAntialias(bool on) {
  return editSelectedCell([&](ClockPageCell& cell) {
    if (on)
      cell.value.flags = static_cast<std::uint8_t>(cell.value.flags & ~kCellNoAntialias);
    else
      cell.value.flags = static_cast<std::uint8_t>(cell.value.flags | kCellNoAntialias);
  });
}

bool ClockPageModel::setLeftSeparator(const CellSeparatorBoxes& boxes) {
  return editSelectedCell(
      [&](ClockPageCell& cell) { cell.value.cellSeparator = encodeCellSeparator(boxes); });
}

bool ClockPageModel::setRightSeparator(const CellSeparatorBoxes& boxes) {
  return editSelectedCell(
      [&](ClockPageCell& cell) { cell.value.reserved = encodeCellSeparator(boxes); });
}

bool ClockPageModel::setCentreVertically(bool on) {
  return editSelectedCell([&](ClockPageCell& cell) { cell.value.stretchWeight = on ? 1 : 0; });
}

bool ClockPageModel::setColorChecked(bool checked) {
  if (selectedCell() == nullptr)
    return false;
  RegistryKey* key = keyForWrite();
  if (key == nullptr)
    return false;
  ClockPageCell& cell = *selectedCell();
  std::u16string colorName = cellValueName(u"color", selection_.focusRow, selection_.focusColumn);
  std::u16string keptName = cellValueName(u"_color", selection_.focusRow, selection_.focusColumn);
  bool ok = true;
  if (checked) {
    std::uint32_t color = readNumber(*key, keptName).value_or(kWhite);
    ok &= writeNumber(*key, colorName, color);
    RegStatus deleted = key->deleteValue(keptName);
    ok &= deleted == RegStatus::Ok || deleted == RegStatus::NotFound;
    cell.color = static_cast<std::int32_t>(color);
    cell.keptColor.reset();
  } else {
    if (std::optional<std::uint32_t> color = readNumber(*key, colorName)) {
      ok &= writeNumber(*key, keptName, *color);
      cell.keptColor = *color;
    }
    RegStatus deleted = key->deleteValue(colorName);
    ok &= deleted == RegStatus::Ok || deleted == RegStatus::NotFound;
    cell.color = kNoCellColor;
  }
  services_.notifyClock(0);
  return ok;
}

std::uint32_t ClockPageModel::colorForDialog() {
  RegistryKey* key = services_.setKey();
  if (key == nullptr || selectedCell() == nullptr)
    return kWhite;
  return readNumber(*key, cellValueName(u"color", selection_.focusRow, selection_.focusColumn))
      .value_or(kWhite);
}

bool ClockPageModel::applyChosenColor(std::uint32_t color) {
  if (selectedCell() == nullptr || selectedCell()->color == kNoCellColor)
    return false;
  RegistryKey* key = keyForWrite();
  if (key == nullptr)
    return false;
  bool ok = writeNumber(*key, cellValueName(u"color", selection_.focusRow, selection_.focusColumn),
                        color);
  selectedCell()->color = static_cast<std::int32_t>(color);
  services_.notifyClock(0);
  return ok;
}

std::optional<FontDialogFont> ClockPageModel::beginFontDialog() {
  if (selectedCell() == nullptr || keyForWrite() == nullptr)
    return std::nullopt;
  ClockPageCell& cell = *selectedCell();
  fontBorrowed_ = false;
  if (cell.font.empty() && neighbourFont_) {
    cell.font = *neighbourFont_;
    fontBorrowed_ = true;
  }
  std::optional<FontSpec> spec = parseFontSpec(cell.font);
  if (!spec)
    return FontDialogFont{kDialogDefaultPoints, kDefaultFontWeight,
                          std::u16string(kDialogDefaultFace)};
  std::u16string face;
  for (char c : spec->face) face.push_back(static_cast<unsigned char>(c));
  return FontDialogFont{spec->size, spec->weight, face};
}

void ClockPageModel::finishFontDialog(const std::optional<FontDialogFont>& chosen) {
  ClockPageCell* cell = selectedCell();
  if (cell == nullptr)
    return;
  bool borrowed = std::exchange(fontBorrowed_, false);
  if (!chosen || chosen->face.empty()) {
    // A neighbour's font lent for the dialog is not the cell's unless the dialog chose one.
    if (borrowed)
      cell->font.clear();
    if (chosen)
      services_.notifyClock(0);
    return;
  }
  RegistryKey* key = services_.setKey();
  if (key == nullptr)
    return;
  cell->font = fontSpecText(*chosen);
  writeText(*key, cellValueName(u"font", selection_.focusRow, selection_.focusColumn), cell->font);
  services_.notifyClock(0);
}

}  // namespace zembrik
