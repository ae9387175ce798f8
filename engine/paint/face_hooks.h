#pragma once
// The places where other features join the painter: the background the face is painted on
// (the theme code), the meter bars and graphs, and the add-on cells. Each default does what the
// clock does without that feature: a plain background, no meters, no add-ons.
#include <array>
#include <span>

#include "engine/paint/draw_surface.h"
#include "engine/paint/face_colours.h"
#include "engine/paint/face_frame.h"
#include "engine/settings/clock_config.h"

namespace zembrik {

class FaceBackground {
 public:
  virtual ~FaceBackground() = default;
  // The client size changed, or a re-layout was forced: whatever depends on the size is rebuilt.
  virtual void resize(Size client) { (void)client; }
  // Fills the memory surface before anything of the face is drawn.
  virtual void paint(DrawSurface& memory, Size client, const FaceColours& colours) {
    memory.fillRect({0, 0, client.width, client.height}, colours.face);
  }
  // While the taskbar is partly transparent: the mask and the captured background that the
  // finished face is combined with before it goes to the window. Null otherwise.
  virtual DrawSurface* mask() { return nullptr; }
  virtual DrawSurface* capturedBackground() { return nullptr; }
};

class FaceMeters {
 public:
  virtual ~FaceMeters() = default;
  // The bands the active meter bars take at the edges of the face.
  virtual EdgeBands bands() const { return {}; }
  // The client size changed: the graphs are laid out again over `width` x `height` from `top`.
  virtual void rescale(int width, int height, int top) {
    (void)width;
    (void)height;
    (void)top;
  }
  // Draws the bars and graphs over the finished cells.
  virtual void draw(DrawSurface& memory, Size client) {
    (void)memory;
    (void)client;
  }
};

class AddonLayout {
 public:
  virtual ~AddonLayout() = default;
  // How many of the face's columns (horizontal taskbar) or rows (vertical) hold add-on cells;
  // they come before the clock's own.
  virtual int leadingColumns(const ClockConfig& clock) const {
    (void)clock;
    return 0;
  }
  virtual int leadingRows(const ClockConfig& clock) const {
    (void)clock;
    return 0;
  }
  // Where the add-on cells went in the last draw pass: the strip in client coordinates (empty
  // without add-on cells) and, for each leading column (row), where it ends, measured from the
  // strip's left (top) edge.
  virtual void placed(const Rect& strip, std::span<const int> slotEnds) {
    (void)strip;
    (void)slotEnds;
  }
};

// Null members take the defaults above.
struct FaceHooks {
  FaceBackground* background = nullptr;
  FaceMeters* meters = nullptr;
  AddonLayout* addons = nullptr;
};

// The two copies that combine a partly transparent taskbar's mask and captured background into
// the finished face. The order of the operations depends on the Windows generation; each
// operation keeps its source.
struct MaskCopy {
  RasterOp op = RasterOp::Invert;
  bool fromMask = true;  // else from the captured background
};
std::array<MaskCopy, 2> maskCopies(int osGeneration) noexcept;

}  // namespace zembrik
