#include "engine/settings/face_loading.h"

#include <string>

#include "engine/registry/registry_access.h"
#include "engine/settings/cell_value.h"
#include "engine/settings/default_faces.h"
#include "engine/settings/font_spec.h"
#include "engine/settings/value_names.h"

namespace zembrik {

namespace {

void takeFields(CellConfig& cell, const CellValue& value) {
  cell.leftInset = value.leftInset;
  cell.rightInset = value.rightInset;
  cell.topInset = value.topInset;
  cell.bottomInset = value.bottomInset;
  cell.flags = value.flags;
  cell.hidePriority = value.hidePriority;
  cell.effect = value.effect;
  cell.cellSeparator = value.cellSeparator;
  cell.reserved = value.reserved;
  cell.stretchWeight = value.stretchWeight;
}

SharedFont fontFor(const FontSpec& spec, bool antialiased, const ClockPlacement& placement,
                   FontCache& fonts) {
  FontRequest request;
  request.face = spec.face;
  request.size = spec.size;
  request.weight = spec.weight;
  request.third = spec.third;
  request.window = placement.window.value;
  request.antialiased = antialiased;
  request.dpi = placement.dpi;
  return fonts.acquire(request);
}

}  // namespace

int gridCount(std::uint32_t stored) noexcept {
  auto count = static_cast<std::int32_t>(stored);
  if (count < 0)
    return 0;
  return count > kMaxGridSide ? kMaxGridSide : count;
}

std::unique_ptr<CellConfig> loadCell(RegistryKey& set, int row, int column,
                                     const ClockPlacement& placement, FontCache& fonts,
                                     const ZoneTable& zones) {
  auto text = readText(set, cellValueName(u"cell", row, column));
  if (!text)
    return nullptr;

  auto cell = std::make_unique<CellConfig>();
  CellValue value = parseCellValue(*text);
  takeFields(*cell, value);
  CellFormat format = compileCellFormat(value.format, value.alignment, zones);
  cell->format = std::move(format.format);
  cell->compiled = std::move(format.compiled);

  if (auto fontText = readText(set, cellValueName(u"font", row, column))) {
    if (auto spec = parseFontSpec(*fontText)) {
      bool antialiased = (cell->flags & kCellNoAntialias) == 0;
      cell->font = fontFor(*spec, antialiased, placement, fonts);
    }
  }
  cell->colour = readNumber(set, cellValueName(u"color", row, column)).value_or(kDefaultColour);
  cell->alternateColour =
      readNumber(set, cellValueName(u"acolor", row, column)).value_or(kDefaultColour);
  cell->blinkBits = readNumber(set, cellValueName(u"blink", row, column)).value_or(0);
  return cell;
}

void appendGridCells(ClockConfig& clock, RegistryKey& set, int columns, int rows, FontCache& fonts,
                     const ZoneTable& zones) {
  clock.cells.reserve(clock.cells.size() + static_cast<std::size_t>(columns) * rows);
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      clock.cells.push_back(loadCell(set, row, column, clock.placement, fonts, zones));
    }
  }
}

void buildDefaultFace(ClockConfig& clock, FontCache& fonts, const ZoneTable& zones) {
  const DefaultFace& face = defaultFace(clock.placement.vertical, clock.placement.windowHeight);
  clock.margins = face.margins;
  clock.columns = face.columns;
  clock.cells.reserve(face.cells.size());
  for (const auto& slot : face.cells) {
    if (!slot) {
      clock.cells.push_back(nullptr);
      continue;
    }
    auto cell = std::make_unique<CellConfig>();
    cell->flags = slot->flags;
    cell->format = std::u16string(slot->format);
    compileFormat(cell->format, cell->compiled, /*cellMode=*/true, zones);
    FontSpec spec;
    spec.face = narrowFaceName(kDefaultFaceName);
    spec.size = slot->size;
    spec.weight = slot->weight;
    cell->font = fontFor(spec, /*antialiased=*/false, clock.placement, fonts);
    clock.cells.push_back(std::move(cell));
  }
}

}  // namespace zembrik
