#pragma once
// What the draw pass puts around and under a cell's text: the room its effect takes, its
// separator line, the colour of each effect pass and the alignment of each segment.
#include <cstddef>

#include "engine/paint/draw_surface.h"
#include "engine/paint/face_colours.h"
#include "engine/paint/face_frame.h"
#include "engine/paint/text_effects.h"
#include "engine/settings/cell_config.h"
#include "engine/settings/cell_value.h"

namespace zembrik {

// The small rules below are inline: both passes call them for every cell of every paint.

// The separator line before a cell: 0 for none, else 2 pixels or 1.
inline int cellSeparatorThickness(const CellConfig& cell) noexcept {
  if (cell.cellSeparator == 0)
    return 0;
  return (cell.cellSeparator & kCellSeparatorThin) != 0 ? 1 : 2;
}

// The room an effect takes on each side of the cell's text.
inline int effectMargin(const CellConfig& cell) noexcept {
  return hasEffect(cell.effect) ? kEffectRoom / 2 : 0;
}

// What a cell needs of its column's height: its tallest text, insets, the effect's room and,
// on a vertical taskbar, its separator line.
inline int cellNeed(const CellConfig& cell, bool vertical) noexcept {
  return static_cast<int>(cell.tallest) + cell.topInset + cell.bottomInset +
         2 * effectMargin(cell) + (vertical ? cellSeparatorThickness(cell) : 0);
}

// The separator before a cell, measured from the slot's leading edge: a highlight line as far
// in as the separator is thick and, for two pixels, a shadow line at distance 1; across the
// whole face, or only the cell's own extent.
void drawCellSeparator(DrawSurface& surface, const CellConfig& cell, const Rect& slot,
                       int thickness, const FaceFrame& frame, bool vertical,
                       const FaceColours& colours);

// The colour one effect pass draws the text in.
inline Colour passColour(EffectColour which, Colour text, const FaceColours& colours) noexcept {
  switch (which) {
    case EffectColour::Highlight:
      return colours.highlight;
    case EffectColour::Shadow:
      return colours.shadow;
    default:
      return text;
  }
}

// Segment 0 aligns left, segment 1 centres, later ones align right.
inline TextAlign segmentAlign(std::size_t segment) noexcept {
  if (segment == 0)
    return TextAlign::Left;
  return segment == 1 ? TextAlign::Centre : TextAlign::Right;
}

}  // namespace zembrik
