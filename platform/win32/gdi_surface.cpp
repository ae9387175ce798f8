#include "platform/win32/gdi_surface.h"

#include <algorithm>
#include <utility>

#include "platform/win32/font_win32.h"

namespace zembrik {

namespace {

static_assert(sizeof(Point) == sizeof(POINT), "points are handed to Polyline as they are");

const wchar_t* wide(std::u16string_view text) noexcept {
  return reinterpret_cast<const wchar_t*>(text.data());
}

int length(std::u16string_view text) noexcept {
  return static_cast<int>(std::min<std::size_t>(text.size(), 0x7FFFFFFF));
}

COLORREF rgb(Colour colour) noexcept {
  return colour & 0x00FFFFFF;
}

DWORD rasterCode(RasterOp op) noexcept {
  switch (op) {
    case RasterOp::Invert:
      return SRCINVERT;
    case RasterOp::Paint:
      return SRCPAINT;
    default:
      return SRCCOPY;
  }
}

UINT alignFlag(TextAlign align) noexcept {
  switch (align) {
    case TextAlign::Centre:
      return DT_CENTER;
    case TextAlign::Right:
      return DT_RIGHT;
    default:
      return DT_LEFT;
  }
}

}  // namespace

void joinLevelRuns(std::span<const Point> points, std::vector<Point>& joined) {
  joined.clear();
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point& point = points[i];
    // A point inside a level run, between its neighbours, is on the segment that joins them:
    // a solid one-pixel pen draws that segment's pixels either way.
    if (i > 0 && i + 1 < points.size()) {
      const Point& before = points[i - 1];
      const Point& after = points[i + 1];
      const bool level = before.y == point.y && point.y == after.y;
      const bool between =
          (before.x < point.x && point.x < after.x) || (before.x > point.x && point.x > after.x);
      if (level && between)
        continue;
    }
    joined.push_back(point);
  }
}

std::unique_ptr<GdiSurface> GdiSurface::createMemory(Size size) {
  auto memory = MemoryBitmap::create(size.width, size.height);
  if (!memory)
    return nullptr;
  return std::unique_ptr<GdiSurface>(new GdiSurface(std::move(memory), size));
}

GdiSurface::GdiSurface(std::unique_ptr<MemoryBitmap> memory, Size size)
    : GdiSurface(memory->dc(), size) {
  memory_ = std::move(memory);
}

GdiSurface::GdiSurface(HDC dc, Size size)
    : dc_(dc),
      size_(size),
      originalTextColour_(GetTextColor(dc)),
      originalBackgroundMode_(SetBkMode(dc, TRANSPARENT)),
      textColour_(originalTextColour_) {}

GdiSurface::~GdiSurface() {
  // Nothing of ours may stay selected when it is deleted, and the context goes back to its
  // owner as it came; what was made last goes first. A font or pen never selected here is left
  // alone: a window's paint context mostly takes one copy and nothing else.
  if (originalPen_ != nullptr)
    SelectObject(dc_, originalPen_);
  if (originalBrush_ != nullptr)
    SelectObject(dc_, originalBrush_);
  if (originalFont_ != nullptr)
    SelectObject(dc_, originalFont_);
  if (textColour_ != originalTextColour_)
    SetTextColor(dc_, originalTextColour_);
  SetBkMode(dc_, originalBackgroundMode_);
}

void GdiSurface::selectFont(FontHandle font) {
  chosenFont_ = font;
  // The context's own font goes back at once: the caller may delete the cell fonts next.
  if (font == 0)
    applyFont();
}

void GdiSurface::applyFont() {
  if (chosenFont_ == font_)
    return;
  // font_ is 0 only while the context's own font is selected, so the first selection here is
  // of a cell font and returns the context's own.
  HGDIOBJ previous =
      SelectObject(dc_, chosenFont_ == 0 ? originalFont_ : fontFromHandle(chosenFont_));
  if (originalFont_ == nullptr)
    originalFont_ = previous;
  font_ = chosenFont_;
}

HGDIOBJ GdiSurface::selectPen(HPEN pen) {
  HGDIOBJ previous = SelectObject(dc_, pen);
  if (originalPen_ == nullptr)
    originalPen_ = previous;
  return previous;
}

Size GdiSurface::measureText(std::u16string_view text) {
  applyFont();
  RECT rect{0, 0, 0, 0};
  DrawTextW(dc_, wide(text), length(text), &rect, DT_CALCRECT | DT_NOPREFIX);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void GdiSurface::drawText(std::u16string_view text, const Rect& rect, TextAlign align) {
  applyFont();
  RECT area{rect.left, rect.top, rect.right, rect.bottom};
  UINT flags = DT_NOPREFIX | DT_VCENTER | alignFlag(align);
  // GDI centres vertically only single lines; a text with a line break keeps its lines.
  if (text.find_first_of(u"\r\n") == std::u16string_view::npos)
    flags |= DT_SINGLELINE;
  DrawTextW(dc_, wide(text), length(text), &area, flags);
}

void GdiSurface::setTextColour(Colour colour) {
  // Most cells draw in one colour; each call is a trip into GDI.
  if (rgb(colour) == textColour_)
    return;
  textColour_ = rgb(colour);
  SetTextColor(dc_, textColour_);
}

HPEN GdiSurface::penFor(Colour colour) {
  for (const CachedPen& cached : pens_) {
    if (cached.pen && cached.colour == colour)
      return cached.pen.get();
  }
  UniquePen pen(CreatePen(PS_SOLID, 1, rgb(colour)));
  if (!pen)
    return nullptr;
  CachedPen& slot = pens_[nextPen_];
  nextPen_ = (nextPen_ + 1) % pens_.size();
  if (slot.pen != nullptr) {
    // The pen may be the one selected now: select the original before deleting it (a pen
    // was selected before, so the original is known).
    if (originalPen_ != nullptr)
      SelectObject(dc_, originalPen_);
    penChosen_ = false;
  }
  slot = {colour, std::move(pen)};
  return slot.pen.get();
}

void GdiSurface::setPen(Colour colour) {
  if (penChosen_ && colour == penColour_)
    return;
  HPEN pen = penFor(colour);
  if (pen != nullptr) {
    selectPen(pen);
  } else if (originalPen_ != nullptr) {
    SelectObject(dc_, originalPen_);
  }
  penColour_ = colour;
  penChosen_ = pen != nullptr;
}

void GdiSurface::drawLine(Point from, Point to) {
  MoveToEx(dc_, from.x, from.y, nullptr);
  LineTo(dc_, to.x, to.y);
}

void GdiSurface::drawPolyline(std::span<const Point> points) {
  if (points.size() < 2)
    return;
  // GDI converts and clips every point and segment; a graph of a steady load is mostly level
  // runs, which draw the same pixels as one segment from the run's first point to its last.
  joinLevelRuns(points, polyline_);
  Polyline(dc_, reinterpret_cast<const POINT*>(polyline_.data()),
           static_cast<int>(std::min<std::size_t>(polyline_.size(), 0x7FFFFFFF)));
}

HBRUSH GdiSurface::brushFor(Colour colour) {
  for (const CachedBrush& cached : brushes_) {
    if (cached.brush && cached.colour == colour)
      return cached.brush.get();
  }
  UniqueBrush brush(CreateSolidBrush(rgb(colour)));
  if (!brush)
    return nullptr;
  CachedBrush& slot = brushes_[nextBrush_];
  nextBrush_ = (nextBrush_ + 1) % brushes_.size();
  if (slot.brush && slot.brush.get() == selectedBrush_) {
    // GDI must not delete a brush that a context holds.
    SelectObject(dc_, originalBrush_);
    selectedBrush_ = nullptr;
  }
  slot = {colour, std::move(brush)};
  return slot.brush.get();
}

void GdiSurface::fillRect(const Rect& rect, Colour colour) {
  HBRUSH brush = brushFor(colour);
  if (brush == nullptr)
    return;
  if (brush != selectedBrush_) {
    HGDIOBJ previous = SelectObject(dc_, brush);
    if (previous == nullptr) {
      // A context that takes no brush still fills the way FillRect does it.
      RECT area{rect.left, rect.top, rect.right, rect.bottom};
      FillRect(dc_, &area, brush);
      return;
    }
    if (originalBrush_ == nullptr)
      originalBrush_ = previous;
    selectedBrush_ = brush;
  }
  // What FillRect does between selecting its brush and putting the previous one back; with the
  // brush kept selected, a fill is one call into GDI instead of three.
  PatBlt(dc_, rect.left, rect.top, rect.width(), rect.height(), PATCOPY);
}

void GdiSurface::drawEdge(const Rect& rect, EdgeStyle style, EdgeSides sides) {
  RECT area{rect.left, rect.top, rect.right, rect.bottom};
  DrawEdge(dc_, &area, style == EdgeStyle::Etched ? EDGE_ETCHED : EDGE_SUNKEN,
           sides & kEdgeAllSides);
}

void GdiSurface::copyFrom(DrawSurface& source, const Rect& destination, Point sourceOrigin,
                          RasterOp op) {
  auto* gdiSource = dynamic_cast<GdiSurface*>(&source);
  if (gdiSource == nullptr)
    return;
  BitBlt(dc_, destination.left, destination.top, destination.width(), destination.height(),
         gdiSource->dc_, sourceOrigin.x, sourceOrigin.y, rasterCode(op));
}

std::unique_ptr<DrawSurface> GdiSurfaceFactory::createMemorySurface(Size size) {
  return GdiSurface::createMemory(size);
}

}  // namespace zembrik
