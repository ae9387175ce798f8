#pragma once
// What the painter, the meters, the background capture and the calendar need of a device
// context. GDI implements it on Windows (platform/win32/gdi_surface.h); RecordingSurface
// (tests/doubles) implements it with fixed metrics for native tests and benchmarks.
#include <memory>
#include <span>
#include <string_view>

#include "engine/paint/geometry.h"
#include "engine/settings/cell_style.h"
#include "engine/settings/font_cache.h"

namespace zembrik {

enum class TextAlign { Left, Centre, Right };

// The raster operations the painter copies with.
enum class RasterOp {
  Copy,    // SRCCOPY: destination = source
  Invert,  // SRCINVERT: destination ^= source
  Paint,   // SRCPAINT: destination |= source
};

// 3-D edges as the system draws them around controls.
enum class EdgeStyle { Etched, Sunken };
// Which sides of the rectangle an edge is drawn along (the values of GDI's BF_* flags).
using EdgeSides = unsigned;
inline constexpr EdgeSides kEdgeLeft = 1;
inline constexpr EdgeSides kEdgeTop = 2;
inline constexpr EdgeSides kEdgeRight = 4;
inline constexpr EdgeSides kEdgeBottom = 8;
inline constexpr EdgeSides kEdgeAllSides = 15;

class DrawSurface {
 public:
  virtual ~DrawSurface() = default;
  DrawSurface() = default;
  DrawSurface(const DrawSurface&) = delete;
  DrawSurface& operator=(const DrawSurface&) = delete;

  // The size of the bitmap behind the surface.
  virtual Size size() const = 0;

  // Selects a font made by the process's font factory; 0 selects back the font the surface had
  // when it was made.
  virtual void selectFont(FontHandle font) = 0;
  // The extent of `text` in the selected font, as DrawTextW with DT_CALCRECT | DT_NOPREFIX
  // reports it (a line feed starts a new line; "&" is an ordinary character).
  virtual Size measureText(std::u16string_view text) = 0;
  // Draws `text` in the text colour inside `rect`, aligned horizontally as asked and centred
  // vertically, with a transparent background. No prefix processing.
  virtual void drawText(std::u16string_view text, const Rect& rect, TextAlign align) = 0;
  virtual void setTextColour(Colour colour) = 0;

  // Lines in a solid 1-pixel pen of `colour`. As GDI's LineTo, the end point is not drawn.
  virtual void setPen(Colour colour) = 0;
  virtual void drawLine(Point from, Point to) = 0;
  virtual void drawPolyline(std::span<const Point> points) = 0;

  virtual void fillRect(const Rect& rect, Colour colour) = 0;
  // A 3-D edge in the system's colours along `sides` of `rect`, inside it.
  virtual void drawEdge(const Rect& rect, EdgeStyle style, EdgeSides sides) = 0;

  // Combines the pixels of `source` starting at `sourceOrigin` into `destination` of this
  // surface. Surfaces of another kind (a recording into a GDI surface) are not copied.
  virtual void copyFrom(DrawSurface& source, const Rect& destination, Point sourceOrigin,
                        RasterOp op) = 0;
};

class SurfaceFactory {
 public:
  virtual ~SurfaceFactory() = default;
  // An off-screen surface of `size`, compatible with the screen, whose text is drawn with a
  // transparent background. Null when the platform refuses; nothing is left behind then.
  virtual std::unique_ptr<DrawSurface> createMemorySurface(Size size) = 0;
};

}  // namespace zembrik
