#include "engine/paint/face_painter.h"

#include <algorithm>
#include <cstdint>

#include "engine/paint/digit_widths.h"
#include "engine/paint/text_effects.h"
#include "engine/settings/cell_value.h"

namespace zembrik {

namespace {

// A packed size holds 16 bits per direction; anything outside is cut to the nearest end rather
// than bleeding into the other half.
int toPackable(std::int64_t value) noexcept {
  return static_cast<int>(std::clamp<std::int64_t>(value, 0, 0xFFFF));
}

}  // namespace

int cellSeparatorThickness(const CellConfig& cell) noexcept {
  if (cell.cellSeparator == 0)
    return 0;
  return (cell.cellSeparator & 2) != 0 ? 1 : 2;
}

FacePainter::FacePainter(SurfaceFactory& surfaces, FaceHooks hooks)
    : surfaces_(surfaces),
      background_(hooks.background != nullptr ? *hooks.background : defaultBackground_),
      meters_(hooks.meters != nullptr ? *hooks.meters : defaultMeters_),
      addons_(hooks.addons != nullptr ? *hooks.addons : defaultAddons_) {}

FacePainter::~FacePainter() = default;

void FacePainter::deselectFonts() {
  if (memory_)
    memory_->selectFont(0);
}

void FacePainter::releaseSurfaces() noexcept {
  memory_.reset();
  surfaceClient_ = {-1, -1};
}

PaintOutcome FacePainter::paint(ClockConfig& clock, const PaintInputs& inputs, DrawSurface* target,
                                Size client) {
  if (target == nullptr)
    return measure(clock, inputs);
  return draw(clock, inputs, *target, client);
}

PackedSize FacePainter::measureForTaskbar(ClockConfig& clock, const PaintInputs& inputs) {
  return atLeastOnePixel(measure(clock, inputs).size);
}

DigitWidths& FacePainter::digitsFor(CellConfig& cell) noexcept {
  return cell.font ? cell.font->digits : ownDigits_;
}

DrawSurface* FacePainter::surfaceForMeasuring() {
  if (!memory_) {
    // Text measures the same on a surface of any size; the draw pass makes one of the client
    // size when it comes.
    memory_ = surfaces_.createMemorySurface({1, 1});
    surfaceClient_ = {-1, -1};
  }
  return memory_.get();
}

PaintOutcome FacePainter::measure(ClockConfig& clock, const PaintInputs& inputs) {
  PaintOutcome outcome;
  DrawSurface* surface = surfaceForMeasuring();
  if (surface == nullptr)
    return outcome;
  bool vertical = clock.placement.vertical;
  auto columns = static_cast<std::size_t>(std::max(clock.columns, 1));
  clock.columnMetrics.resize(columns);
  for (std::size_t column = 0; column < columns; ++column) {
    int width = 0;
    int tallestGroup = 0;
    int group = 0;
    for (std::size_t index = column; index < clock.cells.size(); index += columns) {
      CellConfig* cell = clock.cells[index].get();
      if (cell == nullptr)
        continue;
      Size size = measureCell(*surface, *cell, inputs, vertical, outcome);
      if ((cell->flags & kCellResetY) != 0) {
        tallestGroup = std::max(tallestGroup, group);
        group = 0;
      }
      group += size.height;
      width = std::max(width, size.width);
    }
    clock.columnMetrics[column].width = width;
    clock.columnMetrics[column].height = std::max(tallestGroup, group);
  }
  outcome.size = wantedSize(clock);
  return outcome;
}

Size FacePainter::measureCell(DrawSurface& surface, CellConfig& cell, const PaintInputs& inputs,
                              bool vertical, PaintOutcome& outcome) {
  surface.selectFont(cell.font ? cell.font->handle : 0);
  DigitWidths& digits = digitsFor(cell);
  cell.sizes.resize(cell.compiled.size());
  SegmentState state;
  int width = 0;
  int height = 0;
  for (std::size_t i = 0; i < cell.compiled.size(); ++i) {
    Size size = measureSegment(surface, cell.compiled[i], digits, inputs, state);
    cell.sizes[i] = {size.width, size.height};
    cell.widest = std::max(cell.widest, static_cast<unsigned>(std::max(size.width, 0)));
    cell.tallest = std::max(cell.tallest, static_cast<unsigned>(std::max(size.height, 0)));
    width += size.width;
    height = std::max(height, size.height);
  }
  outcome.lockKeysShown = outcome.lockKeysShown || state.lockKeysShown;
  int effectRoom = hasEffect(cell.effect) ? kEffectRoom : 0;
  int separator = cellSeparatorThickness(cell);
  width += cell.leftInset + cell.rightInset + effectRoom + (vertical ? 0 : separator);
  height += cell.topInset + cell.bottomInset + effectRoom + (vertical ? separator : 0);
  return {width, height};
}

Size FacePainter::measureSegment(DrawSurface& surface, std::u16string_view segment,
                                 DigitWidths& digits, const PaintInputs& inputs,
                                 SegmentState& state) {
  std::uint16_t zoneAtStart = state.zoneSelector;
  state.variantRequest = 2;
  renderSegment(segment, inputs.moment, inputs.cache, state, inputs.format, text_);
  Size size = measureNormalised(surface, text_, digits, normalised_);
  if (state.variantRequest != 0) {
    // The segment shows one of two texts (AM or PM, a lock key on or off): it gets the room of
    // the wider and of the taller, whichever shows now.
    std::uint16_t zoneAtEnd = state.zoneSelector;
    state.zoneSelector = zoneAtStart;
    state.variantRequest = 1;
    renderSegment(segment, inputs.moment, inputs.cache, state, inputs.format, text_);
    Size other = measureNormalised(surface, text_, digits, normalised_);
    size = {std::max(size.width, other.width), std::max(size.height, other.height)};
    state.zoneSelector = zoneAtEnd;
  }
  state.variantRequest = 0;
  return size;
}

PackedSize FacePainter::wantedSize(const ClockConfig& clock) const {
  bool vertical = clock.placement.vertical;
  std::int64_t width = std::int64_t{clock.margins.left} + clock.margins.right;
  std::int64_t height = std::int64_t{clock.margins.top} + clock.margins.bottom;
  int tallestColumn = 0;
  for (const ColumnMetrics& column : clock.columnMetrics) {
    width += column.width;
    tallestColumn = std::max(tallestColumn, column.height);
  }
  height += tallestColumn;

  int addonsBefore = vertical ? addons_.leadingRows(clock) : addons_.leadingColumns(clock);
  int room = separatorRoom(decodeFaceSeparators(clock.separator), vertical, addonsBefore > 0);
  (vertical ? height : width) += room;

  EdgeBands bands = meters_.bands();
  width += std::int64_t{bands.left} + bands.right;
  height += std::int64_t{bands.top} + bands.bottom;
  return packSize(toPackable(width), toPackable(height));
}

}  // namespace zembrik
