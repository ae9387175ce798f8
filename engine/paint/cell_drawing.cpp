#include "engine/paint/cell_drawing.h"

#include "engine/settings/cell_value.h"

namespace zembrik {

int cellSeparatorThickness(const CellConfig& cell) noexcept {
  if (cell.cellSeparator == 0)
    return 0;
  return (cell.cellSeparator & kCellSeparatorThin) != 0 ? 1 : 2;
}

int effectMargin(const CellConfig& cell) noexcept {
  return hasEffect(cell.effect) ? kEffectRoom / 2 : 0;
}

int cellNeed(const CellConfig& cell, bool vertical) noexcept {
  return static_cast<int>(cell.tallest) + cell.topInset + cell.bottomInset +
         2 * effectMargin(cell) + (vertical ? cellSeparatorThickness(cell) : 0);
}

void drawCellSeparator(DrawSurface& surface, const CellConfig& cell, const Rect& slot,
                       int thickness, const FaceFrame& frame, bool vertical,
                       const FaceColours& colours) {
  bool ownExtent = (cell.cellSeparator & kCellSeparatorOwnExtent) != 0;
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

}  // namespace zembrik
