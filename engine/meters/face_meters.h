#pragma once
// A clock's meters as the painter sees them: the bands their bars take, the graphs laid out
// again for a new client size, and the bars and graphs drawn over the finished cells.
#include "engine/meters/meter_block.h"
#include "engine/paint/face_hooks.h"

namespace zembrik {

class ClockFaceMeters final : public FaceMeters {
 public:
  explicit ClockFaceMeters(ClockMeters& meters) noexcept : meters_(meters) {}

  EdgeBands bands() const override;
  void rescale(int width, int height, int top) override;
  void draw(DrawSurface& memory, Size client) override;

 private:
  ClockMeters& meters_;
};

}  // namespace zembrik
