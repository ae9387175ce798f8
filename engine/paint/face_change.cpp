// Whether a draw pass would change the face, found without drawing: what lets a clock's tick
// skip a repaint that would put the same pixels on screen.
#include "engine/paint/face_painter.h"

namespace zembrik {

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
