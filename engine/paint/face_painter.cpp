#include "engine/paint/face_painter.h"

#include <algorithm>
#include <cstdint>

#include "engine/paint/cell_drawing.h"
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
  // The add-on rows count once for all columns (they stand aligned); a column's height is that
  // of the clock's own cells below them.
  const int addonRows = addonRowCount(clock);
  const auto firstOwnCell = static_cast<std::size_t>(addonRows) * columns;
  for (std::size_t column = 0; column < columns; ++column) {
    int width = 0;
    int tallestGroup = 0;
    int group = 0;
    for (std::size_t index = column; index < clock.cells.size(); index += columns) {
      CellConfig* cell = clock.cells[index].get();
      if (cell == nullptr)
        continue;
      Size size = measureCell(*surface, *cell, inputs, vertical, outcome);
      width = std::max(width, size.width);
      if (index < firstOwnCell)
        continue;
      if ((cell->flags & kCellResetY) != 0) {
        tallestGroup = std::max(tallestGroup, group);
        group = 0;
      }
      group += size.height;
    }
    clock.columnMetrics[column].width = width;
    clock.columnMetrics[column].height = std::max(tallestGroup, group);
  }
  const int addonsBefore = vertical ? addonRows : addonColumnCount(clock);
  outcome.size = wantedSize(clock, addonsBefore, alignAddonRows(clock, addonRows));
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
  state.variantRequest = VariantRequest::SecondText;
  renderSegment(segment, inputs.moment, inputs.cache, state, inputs.format, text_);
  Size size = measureNormalised(surface, text_, digits, normalised_);
  if (state.variantRequest != VariantRequest::None) {
    // The segment shows one of two texts (AM or PM, a lock key on or off): it gets the room of
    // the wider and of the taller, whichever shows now.
    std::uint16_t zoneAtEnd = state.zoneSelector;
    state.zoneSelector = zoneAtStart;
    state.variantRequest = VariantRequest::FirstText;
    renderSegment(segment, inputs.moment, inputs.cache, state, inputs.format, text_);
    Size other = measureNormalised(surface, text_, digits, normalised_);
    size = {std::max(size.width, other.width), std::max(size.height, other.height)};
    state.zoneSelector = zoneAtEnd;
  }
  state.variantRequest = VariantRequest::None;
  return size;
}

PackedSize FacePainter::wantedSize(const ClockConfig& clock, int addonsBefore,
                                   int addonRowsHeight) const {
  bool vertical = clock.placement.vertical;
  std::int64_t width = std::int64_t{clock.margins.left} + clock.margins.right;
  std::int64_t height = std::int64_t{clock.margins.top} + clock.margins.bottom;
  int tallestColumn = 0;
  for (const ColumnMetrics& column : clock.columnMetrics) {
    width += column.width;
    tallestColumn = std::max(tallestColumn, column.height);
  }
  height += std::int64_t{addonRowsHeight} + tallestColumn;

  int room = separatorRoom(decodeFaceSeparators(clock.separator), vertical, addonsBefore > 0);
  (vertical ? height : width) += room;

  EdgeBands bands = meters_.bands();
  width += std::int64_t{bands.left} + bands.right;
  height += std::int64_t{bands.top} + bands.bottom;
  return packSize(toPackable(width), toPackable(height));
}

// The draw pass.

PaintOutcome FacePainter::draw(ClockConfig& clock, const PaintInputs& inputs, DrawSurface& target,
                               Size client) {
  PaintOutcome outcome;
  if (!prepareSurface(client, clock))
    return outcome;
  DrawSurface& memory = *memory_;
  background_.paint(memory, client, inputs.colours);

  bool vertical = clock.placement.vertical;
  FaceFrame frame = faceFrame(client, clock.margins, meters_.bands(), clock.separator, vertical);
  int columns = std::max(clock.columns, 1);
  clock.columnMetrics.resize(static_cast<std::size_t>(columns));
  const int addonColumns = addonColumnCount(clock);
  const RowBands rows = rowBands(clock, frame);

  // The gaps before the clock's own columns are no column's to widen into.
  const int columnGaps = vertical ? 0 : frame.ownStartGap + (addonColumns > 0 ? frame.addonGap : 0);
  distributeSpareWidth(clock.columnMetrics, frame.content.width() - columnGaps);
  fitColumns(clock, frame.content.bottom - rows.ownTop, vertical, rows.addonRows);
  const ColumnBands bands = columnBands(clock, frame, addonColumns);

  AddonBand band = vertical ? AddonBand{rows.stripTop - frame.face.top, rows.stripHeight}
                            : AddonBand{bands.stripLeft - frame.face.left, bands.stripWidth};
  drawFaceSeparators(memory, frame, client, vertical, inputs.colours, band);
  // The last cell's font stays selected: the next paint usually starts with it, and whoever
  // deletes fonts calls deselectFonts first.
  drawColumns(memory, clock, inputs, frame, bands, rows, outcome);
  reportAddonStrip(clock, frame, bands, rows);
  meters_.draw(memory, client);
  finish(memory, target, client, inputs.osGeneration);

  clock.refreshEverySecond = outcome.refreshEverySecond;
  outcome.size =
      packSize(std::clamp(client.width, 0, 0xFFFF), std::clamp(client.height, 0, 0xFFFF));
  return outcome;
}

bool FacePainter::prepareSurface(Size client, const ClockConfig& clock) {
  if (memory_ && client == surfaceClient_ && !relayoutForced_)
    return true;
  releaseSurfaces();
  // A window of no area still gets a pixel to draw on, so a paint never fails for its size.
  memory_ = surfaces_.createMemorySurface({std::max(client.width, 1), std::max(client.height, 1)});
  if (!memory_)
    return false;
  surfaceClient_ = client;
  relayoutForced_ = false;
  background_.resize(client);
  FaceSeparators separators = decodeFaceSeparators(clock.separator);
  bool separatorBelow = clock.placement.vertical && (separators.leading || separators.trailing);
  meters_.rescale(client.width, client.height - (separatorBelow ? separators.thickness : 0), 0);
  return true;
}

int FacePainter::addonRowCount(const ClockConfig& clock) const {
  if (!clock.placement.vertical)
    return 0;
  const std::size_t columns = static_cast<std::size_t>(std::max(clock.columns, 1));
  const auto gridRows = static_cast<int>((clock.cells.size() + columns - 1) / columns);
  return std::clamp(addons_.leadingRows(clock), 0, gridRows);
}

int FacePainter::alignAddonRows(const ClockConfig& clock, int addonRows) {
  slotEnds_.clear();
  if (addonRows == 0)
    return 0;
  const auto columns = static_cast<std::size_t>(std::max(clock.columns, 1));
  int end = 0;
  for (int row = 0; row < addonRows; ++row) {
    int tallest = 0;
    for (std::size_t column = 0; column < columns; ++column) {
      // The last row of a grid may be short.
      const std::size_t index = static_cast<std::size_t>(row) * columns + column;
      const CellConfig* cell = index < clock.cells.size() ? clock.cells[index].get() : nullptr;
      if (cell != nullptr)
        tallest = std::max(tallest, cellNeed(*cell, /*vertical=*/true));
    }
    end += tallest;
    slotEnds_.push_back(end);
  }
  return end;
}

int FacePainter::addonColumnCount(const ClockConfig& clock) const {
  if (clock.placement.vertical)
    return 0;
  return std::clamp(addons_.leadingColumns(clock), 0, std::max(clock.columns, 1));
}

FacePainter::ColumnBands FacePainter::columnBands(const ClockConfig& clock, const FaceFrame& frame,
                                                  int addonColumns) const {
  ColumnBands bands;
  bands.stripLeft = frame.content.left;
  bands.ownLeft = frame.content.left;
  if (clock.placement.vertical)
    return bands;
  // The leading lines stand in the leading gap; after the add-on columns they stand again in a
  // gap of their own, as the measure counted it.
  bands.addonColumns = addonColumns;
  bands.stripLeft += frame.ownStartGap;
  bands.stripWidth = addonExtent(clock, addonColumns);
  bands.ownLeft = bands.stripLeft + bands.stripWidth + (addonColumns > 0 ? frame.addonGap : 0);
  return bands;
}

FacePainter::RowBands FacePainter::rowBands(const ClockConfig& clock, const FaceFrame& frame) {
  RowBands rows;
  rows.addonRows = addonRowCount(clock);
  rows.stripHeight = alignAddonRows(clock, rows.addonRows);
  rows.stripTop = frame.content.top + (clock.placement.vertical ? frame.ownStartGap : 0);
  rows.ownTop = rows.stripTop + rows.stripHeight;
  // The separator lines after the add-on rows stand in a gap of their own, as the measure
  // counted it.
  if (rows.addonRows > 0)
    rows.ownTop += frame.addonGap;
  return rows;
}

void FacePainter::fitColumns(ClockConfig& clock, int faceHeight, bool vertical, int firstOwnRow) {
  placements_.assign(clock.cells.size(), CellPlacement{});
  // Add-on rows keep their cells' heights: nothing of theirs is hidden or stretched.
  const auto columns = static_cast<std::size_t>(std::max(clock.columns, 1));
  const std::size_t firstOwnCell =
      std::min(static_cast<std::size_t>(firstOwnRow) * columns, clock.cells.size());
  for (std::size_t index = 0; index < firstOwnCell; ++index) {
    if (clock.cells[index] != nullptr)
      placements_[index].topOffset = 0;
  }
  for (int column = 0; column < std::max(clock.columns, 1); ++column)
    fitColumnGroups(clock, column, faceHeight, vertical, firstOwnRow);
}

void FacePainter::fitColumnGroups(ClockConfig& clock, int column, int faceHeight, bool vertical,
                                  int firstOwnRow) {
  auto fitCollected = [&] {
    fitGroup(fit_, faceHeight, fitOrder_);
    for (std::size_t k = 0; k < fit_.size(); ++k) {
      CellPlacement& placement = placements_[fitSlots_[k]];
      placement.topOffset = fit_[k].hidden ? kHiddenCell : fit_[k].above;
      placement.extraAfter = fit_[k].below;
    }
    fit_.clear();
    fitSlots_.clear();
  };
  auto columns = static_cast<std::size_t>(std::max(clock.columns, 1));
  for (auto index = static_cast<std::size_t>(firstOwnRow) * columns + column;
       index < clock.cells.size(); index += columns) {
    const CellConfig* cell = clock.cells[index].get();
    if (cell == nullptr)
      continue;
    if ((cell->flags & kCellResetY) != 0)
      fitCollected();
    FitCell fit;
    fit.height = cellNeed(*cell, vertical);
    fit.hidePriority = cell->hidePriority;
    fit.stretchWeight = cell->stretchWeight;
    fit_.push_back(fit);
    fitSlots_.push_back(index);
  }
  fitCollected();
}

void FacePainter::reportAddonStrip(const ClockConfig& clock, const FaceFrame& frame,
                                   const ColumnBands& columnBands, const RowBands& rows) {
  Rect strip{};  // empty without add-on cells, so no click is taken for an add-on
  if (!clock.placement.vertical) {
    slotEnds_.clear();
    int end = 0;
    for (int column = 0; column < columnBands.addonColumns; ++column) {
      const ColumnMetrics& metrics = clock.columnMetrics[static_cast<std::size_t>(column)];
      end += metrics.width + metrics.extraWidth;
      slotEnds_.push_back(end);
    }
    if (columnBands.addonColumns > 0)
      strip = {columnBands.stripLeft, frame.content.top, columnBands.stripLeft + end,
               frame.content.bottom};
  } else if (rows.addonRows > 0) {
    // slotEnds_ holds the row ends that placed the add-on rows.
    strip = {frame.content.left, rows.stripTop, frame.content.right,
             rows.stripTop + rows.stripHeight};
  }
  addons_.placed(strip, slotEnds_);
}

int FacePainter::addonExtent(const ClockConfig& clock, int addonColumns) const {
  int extent = 0;
  for (int column = 0; column < addonColumns; ++column) {
    const ColumnMetrics& metrics = clock.columnMetrics[static_cast<std::size_t>(column)];
    extent += metrics.width + metrics.extraWidth;
  }
  return extent;
}

void FacePainter::drawColumns(DrawSurface& memory, ClockConfig& clock, const PaintInputs& inputs,
                              const FaceFrame& frame, const ColumnBands& columnBands,
                              const RowBands& rows, PaintOutcome& outcome) {
  bool vertical = clock.placement.vertical;
  auto columns = static_cast<std::size_t>(std::max(clock.columns, 1));
  rowOffsets_.assign((clock.cells.size() + columns - 1) / columns, 0);
  const std::size_t firstOwnCell = static_cast<std::size_t>(rows.addonRows) * columns;
  int top = rows.ownTop;
  // Reset X reaches back to the left edge of the band the cell stands in.
  int ownLeft = columnBands.stripLeft;
  int x = columnBands.stripLeft;
  for (std::size_t column = 0; column < columns; ++column) {
    if (static_cast<int>(column) == columnBands.addonColumns) {
      x = columnBands.ownLeft;
      ownLeft = x;
    }
    const ColumnMetrics& metrics = clock.columnMetrics[column];
    int width = metrics.width + metrics.extraWidth;
    if (vertical)
      width = std::min(width, frame.content.width());
    int y = top;
    for (std::size_t index = column; index < clock.cells.size(); index += columns) {
      CellConfig* cell = clock.cells[index].get();
      if (cell == nullptr || placements_[index].topOffset == kHiddenCell)
        continue;
      const std::size_t row = index / columns;
      if (index < firstOwnCell)
        y = rows.stripTop + (row == 0 ? 0 : slotEnds_[row - 1]);  // the aligned add-on row
      else if ((cell->flags & kCellResetY) != 0)
        y = top;
      int& rowOffset = rowOffsets_[row];
      int left = x - rowOffset;
      int right = left + width;
      if ((cell->flags & kCellResetX) != 0) {
        // The cell reaches back to the face's left edge; the row's later cells follow it.
        rowOffset = x - ownLeft;
        left = ownLeft;
        right = x + width;
      }
      int below = drawCell(memory, *cell, index, left, right, y, frame, inputs, vertical, outcome);
      // The clock's own cells start below all add-on rows, whatever this column held there.
      y = index < firstOwnCell ? top : below;
    }
    x += width;
  }
}

int FacePainter::drawCell(DrawSurface& memory, CellConfig& cell, std::size_t index, int left,
                          int right, int y, const FaceFrame& frame, const PaintInputs& inputs,
                          bool vertical, PaintOutcome& outcome) {
  CellPlacement& placement = placements_[index];
  memory.selectFont(cell.font ? cell.font->handle : 0);
  int textHeight = static_cast<int>(cell.tallest);
  int margin = effectMargin(cell);
  Rect slot{left, y + placement.topOffset, right, 0};
  slot.bottom = slot.top + cell.topInset + textHeight + cell.bottomInset + 2 * margin;
  if (int thickness = cellSeparatorThickness(cell); thickness > 0) {
    drawCellSeparator(memory, cell, slot, thickness, frame, vertical, inputs.colours);
    slot = vertical ? slot.offset(0, thickness)
                    : Rect{slot.left + thickness, slot.top, slot.right, slot.bottom};
  }
  Rect rect{slot.left + cell.leftInset + margin, slot.top + cell.topInset + margin,
            slot.right - cell.rightInset - margin, 0};
  rect.bottom = rect.top + textHeight;
  placement.rect = rect;

  bool hadText = renderCell(memory, cell, inputs, vertical, outcome);
  drawCellText(memory, cell, rect, inputs);
  return rect.top + (hadText ? textHeight : 0) + cell.bottomInset + margin + placement.extraAfter;
}

bool FacePainter::renderCell(DrawSurface& memory, CellConfig& cell, const PaintInputs& inputs,
                             bool vertical, PaintOutcome& outcome) {
  if (cell.rendered.size() != cell.compiled.size())
    cell.rendered.resize(cell.compiled.size());
  SegmentState state;  // every cell starts at local time
  bool hadText = false;
  for (std::size_t i = 0; i < cell.compiled.size(); ++i) {
    if (renderSegment(cell.compiled[i], inputs.moment, inputs.cache, state, inputs.format, text_))
      outcome.refreshEverySecond = true;
    hadText = hadText || !text_.empty();
    std::u16string& previous = cell.rendered[i];
    if (text_ == previous)
      continue;
    // Only a horizontal clock grows sideways on its own; a vertical one keeps its width. A text
    // whose digits 1-9 changed, and nothing else (the seconds most seconds), measures as the last
    // one did, which fitted or asked for a re-layout already.
    if (!vertical && !outcome.relayoutWanted && !sameNormalisedText(text_, previous)) {
      int stored = i < cell.sizes.size() ? cell.sizes[i].width : 0;
      if (measureNormalised(memory, text_, digitsFor(cell), normalised_).width > stored)
        outcome.relayoutWanted = true;
    }
    previous.assign(text_);
  }
  outcome.lockKeysShown = outcome.lockKeysShown || state.lockKeysShown;
  if (cell.blinkBits != 0 || inputs.alarmRinging)
    outcome.refreshEverySecond = true;
  return hadText;
}

void FacePainter::drawCellText(DrawSurface& memory, const CellConfig& cell, const Rect& rect,
                               const PaintInputs& inputs) {
  bool oddHalf = (inputs.moment.utc.second & 1) != 0;
  // A ringing alarm blinks the whole face: no text at all in the odd half.
  if (oddHalf && inputs.alarmRinging)
    return;
  BlinkLook look = blinkLook(cell.blinkBits, cell.effect, oddHalf);
  Colour text = resolveTextColour(cell.colour, inputs.colours.text);
  if (look.alternateColour)
    text = resolveAlternateColour(cell.alternateColour, text);
  std::span<const EffectPass> passes = effectPasses(look.effect);
  for (std::size_t i = 0; i < cell.rendered.size(); ++i) {
    const std::u16string& segment = cell.rendered[i];
    // Spaces draw nothing on a transparent background (the lock-key texts of keys that are
    // off); each drawing would still cost a text call.
    if (segment.find_first_not_of(u' ') == std::u16string::npos)
      continue;
    for (const EffectPass& pass : passes) {
      // Hidden text keeps its effect drawings: an engraved cell blinks to its outline.
      if (look.hidden && pass.colour == EffectColour::Text)
        continue;
      memory.setTextColour(passColour(pass.colour, text, inputs.colours));
      memory.drawText(segment, rect.offset(pass.dx, pass.dy), segmentAlign(i));
    }
  }
}

void FacePainter::finish(DrawSurface& memory, DrawSurface& target, Size client, int osGeneration) {
  Rect whole{0, 0, client.width, client.height};
  DrawSurface* mask = background_.mask();
  DrawSurface* captured = background_.capturedBackground();
  if (mask != nullptr && captured != nullptr) {
    for (MaskCopy copy : maskCopies(osGeneration))
      memory.copyFrom(copy.fromMask ? *mask : *captured, whole, {0, 0}, copy.op);
  }
  target.copyFrom(memory, whole, {0, 0}, RasterOp::Copy);
}

// Whether a draw pass would change the face, found without drawing: what lets a clock's tick
// skip a repaint that would put the same pixels on screen.
bool FacePainter::wouldDrawOtherTexts(const ClockConfig& clock, const PaintInputs& inputs) {
  // Blinking alternates every second, and a ringing alarm blinks the whole face.
  if (inputs.alarmRinging)
    return true;
  if (placements_.size() != clock.cells.size())
    return true;  // not drawn since the cells were built
  for (std::size_t index = 0; index < clock.cells.size(); ++index) {
    const CellConfig* cell = clock.cells[index].get();
    // A hidden cell draws nothing whatever it would show.
    if (cell == nullptr || placements_[index].topOffset == kHiddenCell)
      continue;
    if (cell->blinkBits != 0 || cell->rendered.size() != cell->compiled.size())
      return true;
    SegmentState state;  // every cell starts at local time, as in the draw pass
    for (std::size_t i = 0; i < cell->compiled.size(); ++i) {
      renderSegment(cell->compiled[i], inputs.moment, inputs.cache, state, inputs.format, text_);
      if (text_ != cell->rendered[i])
        return true;
    }
  }
  return false;
}

}  // namespace zembrik
