#include "engine/meters/face_meters.h"

#include "engine/meters/meter_drawing.h"
#include "engine/meters/meter_history.h"

namespace zembrik {

EdgeBands ClockFaceMeters::bands() const {
  return meterBands(meters_);
}

void ClockFaceMeters::rescale(int width, int height, int top) {
  rebuildGraphs(meters_, {width, height, top});
}

void ClockFaceMeters::draw(DrawSurface& memory, Size client) {
  drawMeters(memory, meters_, {0, 0, client.width, client.height});
}

}  // namespace zembrik
