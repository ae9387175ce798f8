#include "engine/paint/cell_drawing.h"

namespace zembrik {

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

}  // namespace zembrik
