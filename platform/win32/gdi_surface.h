#pragma once
// The drawing surface over GDI: an off-screen memory context with its bitmap, or a device
// context someone else owns (a window's paint context, a DIB section's context).
#include <windows.h>

#include <array>
#include <memory>
#include <span>
#include <vector>

#include "engine/paint/draw_surface.h"
#include "platform/win32/memory_bitmap_win32.h"
#include "platform/win32/win32_handles.h"

namespace zembrik {

// The points of a polyline without the inner points of its level runs (all three of a point and
// its neighbours on one row, the point between them). A solid one-pixel pen draws the same
// pixels through either. `joined` is reused, so that a caller drawing every second allocates
// only while the longest line grows.
void joinLevelRuns(std::span<const Point> points, std::vector<Point>& joined);

class GdiSurface final : public DrawSurface {
 public:
  // A memory context compatible with the screen with a compatible bitmap of `size` selected and
  // a transparent text background. Null when GDI refuses either; nothing is left behind then.
  static std::unique_ptr<GdiSurface> createMemory(Size size);

  // Draws on `dc`, which stays its owner's. Whatever this surface selects or sets in it (font,
  // pen, text colour, background mode) is put back when the surface goes.
  GdiSurface(HDC dc, Size size);
  ~GdiSurface() override;

  // The context, with the font chosen last selected into it.
  HDC dc() {
    applyFont();
    return dc_;
  }

  Size size() const override { return size_; }
  void selectFont(FontHandle font) override;
  Size measureText(std::u16string_view text) override;
  void drawText(std::u16string_view text, const Rect& rect, TextAlign align) override;
  void setTextColour(Colour colour) override;
  void setPen(Colour colour) override;
  void drawLine(Point from, Point to) override;
  void drawPolyline(std::span<const Point> points) override;
  void fillRect(const Rect& rect, Colour colour) override;
  void drawEdge(const Rect& rect, EdgeStyle style, EdgeSides sides) override;
  void copyFrom(DrawSurface& source, const Rect& destination, Point sourceOrigin,
                RasterOp op) override;

 private:
  GdiSurface(std::unique_ptr<MemoryBitmap> memory, Size size);
  // Selects the font chosen last, if another is selected. Selecting a font costs GDI a font
  // lookup even when it is already selected, and a cell that draws nothing (a lock key that is
  // off) needs no font at all, so a cell font is selected only when text is measured or drawn.
  void applyFont();
  HPEN penFor(Colour colour);
  // Selects `pen`, remembering the context's own pen at the first selection.
  HGDIOBJ selectPen(HPEN pen);

  struct CachedPen {
    Colour colour = 0;
    UniquePen pen;
  };
  struct CachedBrush {
    Colour colour = 0;
    UniqueBrush brush;
  };
  HBRUSH brushFor(Colour colour);

  // Members go in reverse: the pens and the brush (deselected by the destructor's body) before
  // the off-screen bitmap and its context.
  std::unique_ptr<MemoryBitmap> memory_;  // null for a borrowed context
  HDC dc_;
  Size size_;
  // The context's own font and pen, known from the first selection of ours; null until then.
  HGDIOBJ originalFont_ = nullptr;
  HGDIOBJ originalPen_ = nullptr;
  COLORREF originalTextColour_ = 0;
  int originalBackgroundMode_ = 0;

  FontHandle font_ = 0;        // selected in the context
  FontHandle chosenFont_ = 0;  // chosen by the caller; selected before the next text call
  COLORREF textColour_ = 0;    // the context's text colour now
  Colour penColour_ = 0;
  bool penChosen_ = false;
  // The separator lines and the meter graphs use a handful of colours; each pen is made once.
  std::array<CachedPen, 8> pens_{};
  std::size_t nextPen_ = 0;
  // The background and the meter bars fill with a few colours, alternating within a paint;
  // each brush is made once and stays selected until another colour fills.
  std::array<CachedBrush, 4> brushes_{};
  std::size_t nextBrush_ = 0;
  HBRUSH selectedBrush_ = nullptr;
  HGDIOBJ originalBrush_ = nullptr;  // the context's own, known from our first selection
  std::vector<Point> polyline_;      // the last polyline as handed to GDI
};

class GdiSurfaceFactory final : public SurfaceFactory {
 public:
  std::unique_ptr<DrawSurface> createMemorySurface(Size size) override;
};

}  // namespace zembrik
