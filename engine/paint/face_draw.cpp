// The draw pass of the painter.
#include <algorithm>

#include "engine/paint/digit_widths.h"
#include "engine/paint/face_painter.h"
#include "engine/paint/text_effects.h"
#include "engine/settings/cell_value.h"

namespace zembrik {

namespace {

int effectMargin(const CellConfig& cell) noexcept {
  return hasEffect(cell.effect) ? kEffectRoom / 2 : 0;
}

// What a cell needs of its column's height: its tallest text, insets, the effect's room and,
// on a vertical taskbar, its separator line.
int cellNeed(const CellConfig& cell, bool vertical) noexcept {
  return static_cast<int>(cell.tallest) + cell.topInset + cell.bottomInset +
         2 * effectMargin(cell) + (vertical ? cellSeparatorThickness(cell) : 0);
}

// The separator before a cell, measured from the slot's leading edge: a highlight line as far
// in as the separator is thick and, for two pixels, a shadow line at distance 1; across the
// whole face, or only the cell's own extent.
void drawCellSeparator(DrawSurface& surface, const CellConfig& cell, const Rect& slot,
                       int thickness, const FaceFrame& frame, bool vertical,
                       const FaceColours& colours) {
  bool ownExtent = (cell.cellSeparator & 4) != 0;
  auto line = [&](int offset) {
    if (vertical) {
      int from = ownExtent ? slot.left : frame.face.left;
      int to = ownExtent ? slot.right : frame.face.right;
      surface.drawLine({from, slot.top + offset}, {to, slot.top + offset});
    } else {
      int from = ownExtent ? slot.top : frame.face.top;
      int to = ownExtent ? slot.bottom : frame.face.bottom;
      surface.drawLine({slot.left + offset, from}, {slot.left + offset, to});
    }
  };
  surface.setPen(colours.highlightPen);
  line(thickness);
  if (thickness == 2) {
    surface.setPen(colours.shadowPen);
    line(1);
  }
}

Colour passColour(EffectColour which, Colour text, const FaceColours& colours) noexcept {
  switch (which) {
    case EffectColour::Highlight:
      return colours.highlight;
    case EffectColour::Shadow:
      return colours.shadow;
    default:
      return text;
  }
}

TextAlign segmentAlign(std::size_t segment) noexcept {
  if (segment == 0)
    return TextAlign::Left;
  return segment == 1 ? TextAlign::Centre : TextAlign::Right;
}

}  // namespace

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
  int addonColumns = vertical ? 0 : std::clamp(addons_.leadingColumns(clock), 0, columns);

  distributeSpareWidth(clock.columnMetrics,
                       frame.content.width() - (vertical ? 0 : frame.ownStartGap));
  fitColumns(clock, frame.content.height() - (vertical ? frame.ownStartGap : 0), vertical);

  int extent = addonExtent(clock, addonColumns);
  drawFaceSeparators(memory, frame, client, vertical, inputs.colours, extent);
  // The last cell's font stays selected: the next paint usually starts with it, and whoever
  // deletes fonts calls deselectFonts first.
  drawColumns(memory, clock, inputs, frame, addonColumns, outcome);
  reportAddonStrip(clock, frame, addonColumns);
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

void FacePainter::fitColumns(ClockConfig& clock, int faceHeight, bool vertical) {
  placements_.assign(clock.cells.size(), CellPlacement{});
  for (int column = 0; column < std::max(clock.columns, 1); ++column)
    fitColumnGroups(clock, column, faceHeight, vertical);
}

void FacePainter::fitColumnGroups(ClockConfig& clock, int column, int faceHeight, bool vertical) {
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
  for (auto index = static_cast<std::size_t>(column); index < clock.cells.size();
       index += columns) {
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
                                   int addonColumns) {
  slotEnds_.clear();
  Rect strip{};  // empty without add-on cells, so no click is taken for an add-on
  if (!clock.placement.vertical) {
    int end = 0;
    for (int column = 0; column < addonColumns; ++column) {
      const ColumnMetrics& metrics = clock.columnMetrics[static_cast<std::size_t>(column)];
      end += metrics.width + metrics.extraWidth;
      slotEnds_.push_back(end);
    }
    if (addonColumns > 0)
      strip = {frame.content.left, frame.content.top, frame.content.left + end,
               frame.content.bottom};
  } else {
    // A row ends below the lowest of its drawn cells.
    const auto columns = static_cast<std::size_t>(std::max(clock.columns, 1));
    const int addonRows = std::clamp(addons_.leadingRows(clock), 0, clock.rows);
    const int top = frame.content.top + frame.ownStartGap;
    int end = 0;
    for (int row = 0; row < addonRows; ++row) {
      for (std::size_t column = 0; column < columns; ++column) {
        const std::size_t index = static_cast<std::size_t>(row) * columns + column;
        const CellConfig* cell = index < clock.cells.size() ? clock.cells[index].get() : nullptr;
        if (cell != nullptr && placements_[index].topOffset != kHiddenCell)
          end = std::max(end, placements_[index].rect.bottom + cell->bottomInset - top);
      }
      slotEnds_.push_back(end);
    }
    if (addonRows > 0)
      strip = {frame.content.left, top, frame.content.right, top + end};
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
                              const FaceFrame& frame, int addonColumns, PaintOutcome& outcome) {
  bool vertical = clock.placement.vertical;
  auto columns = static_cast<std::size_t>(std::max(clock.columns, 1));
  rowOffsets_.assign((clock.cells.size() + columns - 1) / columns, 0);
  int top = frame.content.top + (vertical ? frame.ownStartGap : 0);
  int ownLeft = frame.content.left;
  int x = frame.content.left;
  for (std::size_t column = 0; column < columns; ++column) {
    if (!vertical && static_cast<int>(column) == addonColumns) {
      x += frame.ownStartGap;
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
      if ((cell->flags & kCellResetY) != 0)
        y = top;
      int& rowOffset = rowOffsets_[index / columns];
      int left = x - rowOffset;
      int right = left + width;
      if ((cell->flags & kCellResetX) != 0) {
        // The cell reaches back to the face's left edge; the row's later cells follow it.
        rowOffset = x - ownLeft;
        left = ownLeft;
        right = x + width;
      }
      y = drawCell(memory, *cell, index, left, right, y, frame, inputs, vertical, outcome);
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

}  // namespace zembrik
