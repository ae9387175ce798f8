#include "engine/options/clock_page_layout.h"

#include "engine/registry/registry_access.h"
#include "engine/settings/face_loading.h"
#include "engine/settings/value_names.h"

namespace zembrik {

namespace {

std::optional<ClockPageCell> readCell(RegistryKey& set, int row, int column) {
  std::optional<std::u16string> stored = readText(set, cellValueName(u"cell", row, column));
  std::optional<std::uint32_t> kept = readNumber(set, cellValueName(u"_color", row, column));
  if (!stored && !kept)
    return std::nullopt;
  ClockPageCell cell;
  cell.keptColor = kept;
  if (!stored)
    return cell;
  cell.value = readPageCellValue(*stored);
  cell.font = readText(set, cellValueName(u"font", row, column)).value_or(u"");
  if (std::optional<std::uint32_t> color = readNumber(set, cellValueName(u"color", row, column)))
    cell.color = static_cast<std::int32_t>(*color);
  return cell;
}

bool deleteIfPresent(RegistryKey& set, const std::u16string& name) {
  RegStatus status = set.deleteValue(name);
  return status == RegStatus::Ok || status == RegStatus::NotFound;
}

bool writePosition(RegistryKey& set, int row, int column,
                   const std::optional<ClockPageCell>& cell) {
  std::u16string cellName = cellValueName(u"cell", row, column);
  std::u16string fontName = cellValueName(u"font", row, column);
  std::u16string colorName = cellValueName(u"color", row, column);
  std::u16string keptName = cellValueName(u"_color", row, column);
  bool ok = true;
  if (cell && !cell->text().empty()) {
    ok &= writeText(set, cellName, writePageCellValue(cell->value));
    ok &=
        cell->font.empty() ? deleteIfPresent(set, fontName) : writeText(set, fontName, cell->font);
    ok &= cell->color == kNoCellColor
              ? deleteIfPresent(set, colorName)
              : writeNumber(set, colorName, static_cast<std::uint32_t>(cell->color));
  } else {
    ok &= deleteIfPresent(set, cellName);
    ok &= deleteIfPresent(set, fontName);
    ok &= deleteIfPresent(set, colorName);
  }
  ok &= cell && cell->keptColor ? writeNumber(set, keptName, *cell->keptColor)
                                : deleteIfPresent(set, keptName);
  return ok;
}

bool writeCounts(RegistryKey& set, const ClockPageLayout& layout) {
  bool ok = writeNumber(set, u"nColumns", static_cast<std::uint32_t>(layout.columns));
  ok &= writeNumber(set, u"nRows", static_cast<std::uint32_t>(layout.rows));
  return ok;
}

}  // namespace

void ClockPageLayout::insertColumn(int before) {
  std::vector<std::optional<ClockPageCell>> grown;
  grown.reserve(static_cast<std::size_t>(rows * (columns + 1)));
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column <= columns; ++column) {
      if (column == before)
        grown.emplace_back();
      if (column < columns)
        grown.push_back(std::move(at(row, column)));
    }
  }
  cells = std::move(grown);
  ++columns;
}

void ClockPageLayout::deleteColumn(int column) {
  std::vector<std::optional<ClockPageCell>> kept;
  for (int row = 0; row < rows; ++row) {
    for (int c = 0; c < columns; ++c) {
      if (c != column)
        kept.push_back(std::move(at(row, c)));
    }
  }
  cells = std::move(kept);
  --columns;
}

void ClockPageLayout::insertRow(int before) {
  auto offset = static_cast<std::ptrdiff_t>(before) * columns;
  cells.insert(cells.begin() + offset, static_cast<std::size_t>(columns), std::nullopt);
  ++rows;
}

void ClockPageLayout::deleteRow(int row) {
  auto first = cells.begin() + static_cast<std::ptrdiff_t>(row) * columns;
  cells.erase(first, first + columns);
  --rows;
}

std::optional<ClockPageLayout> readClockPageLayout(RegistryKey& set) {
  std::optional<std::uint32_t> columns = readNumber(set, u"nColumns");
  std::optional<std::uint32_t> rows = readNumber(set, u"nRows");
  if (!columns || !rows)
    return std::nullopt;
  ClockPageLayout layout;
  layout.columns = gridCount(*columns);
  layout.rows = gridCount(*rows);
  layout.cells.resize(static_cast<std::size_t>(layout.columns * layout.rows));
  for (int column = 0; column < layout.columns; ++column) {
    for (int row = layout.rows - 1; row >= 0; --row)
      layout.at(row, column) = readCell(set, row, column);
  }
  return layout;
}

bool writeClockPageLayout(RegistryKey& set, const ClockPageLayout& layout, LayoutChange change) {
  bool ok = true;
  if (change != LayoutChange::Grown)
    ok &= writeCounts(set, layout);
  for (int column = 0; column < layout.columns; ++column) {
    for (int row = layout.rows - 1; row >= 0; --row)
      ok &= writePosition(set, row, column, layout.at(row, column));
  }
  if (change == LayoutChange::Grown)
    ok &= writeCounts(set, layout);
  return ok;
}

}  // namespace zembrik
