#pragma once
// What drawing the meters needs of a device context: solid pens and brushes, a polyline and a
// filled rectangle. GDI implements it on Windows; tests record the calls.
#include <cstdint>
#include <memory>
#include <span>

namespace zembrik {

struct MeterPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;

  bool operator==(const MeterPoint&) const = default;
};

// (left, top, right, bottom) in client pixels; right and bottom are exclusive.
struct MeterRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool operator==(const MeterRect&) const = default;
};

// A pen or brush that a surface made. Destroying it releases the platform object; pens and
// brushes outlive the paint that made them (they are cached), so they do not belong to one
// device context.
class SurfaceObject {
 public:
  virtual ~SurfaceObject() = default;
};

class MeterSurface {
 public:
  virtual ~MeterSurface() = default;

  // Null when the platform refuses.
  virtual std::unique_ptr<SurfaceObject> createSolidPen(std::uint32_t colour) = 0;  // width 0
  virtual std::unique_ptr<SurfaceObject> createSolidBrush(std::uint32_t colour) = 0;

  // Draws through `points` with `pen` selected, and selects the previous pen back.
  virtual void polyline(const SurfaceObject& pen, std::span<const MeterPoint> points) = 0;
  virtual void fillRect(const MeterRect& rect, const SurfaceObject& brush) = 0;
};

}  // namespace zembrik
