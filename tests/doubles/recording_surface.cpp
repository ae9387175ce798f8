#include "tests/doubles/recording_surface.h"

#include <algorithm>

namespace zembrik {

TextMetrics metricsForPointSize(int size) noexcept {
  TextMetrics metrics;
  metrics.charWidth = std::max(size / 2, 2);
  metrics.lineHeight = std::max(size * 3 / 2, 1);
  metrics.digitWidths.fill(metrics.charWidth);
  metrics.digitWidths[1] = metrics.charWidth - 1;
  metrics.digitWidths[4] = metrics.charWidth + 2;
  metrics.digitWidths[7] = metrics.charWidth + 2;
  return metrics;
}

FontHandle RecordingFontFactory::createFont(const FontRequest& request) {
  if (refuse)
    return 0;
  FontHandle handle = next_++;
  fonts_[handle] = metricsForPointSize(request.size);
  return handle;
}

void RecordingFontFactory::deleteFont(FontHandle font) noexcept {
  fonts_.erase(font);
}

const TextMetrics* RecordingFontFactory::metrics(FontHandle font) const noexcept {
  auto found = fonts_.find(font);
  return found == fonts_.end() ? nullptr : &found->second;
}

RecordingSurface::RecordingSurface(Size size, const RecordingFontFactory* fonts, bool record)
    : size_(size),
      fonts_(fonts),
      record_(record),
      ownMetrics_(metricsForPointSize(kRecordingDefaultPointSize)) {}

const TextMetrics& RecordingSurface::currentMetrics() const noexcept {
  if (font_ != 0 && fonts_ != nullptr) {
    if (const TextMetrics* metrics = fonts_->metrics(font_))
      return *metrics;
  }
  return ownMetrics_;
}

void RecordingSurface::selectFont(FontHandle font) {
  font_ = font;
}

Size RecordingSurface::measureText(std::u16string_view text) {
  ++measureCalls_;
  const TextMetrics& metrics = currentMetrics();
  int lines = 1;
  int lineWidth = 0;
  int widest = 0;
  for (char16_t c : text) {
    if (c == u'\n') {
      ++lines;
      lineWidth = 0;
      continue;
    }
    lineWidth += c >= u'0' && c <= u'9' ? metrics.digitWidths[c - u'0'] : metrics.charWidth;
    widest = std::max(widest, lineWidth);
  }
  return {widest, lines * metrics.lineHeight};
}

void RecordingSurface::drawText(std::u16string_view text, const Rect& rect, TextAlign align) {
  if (!record_)
    return;
  DrawOp op;
  op.kind = DrawOpKind::Text;
  op.text.assign(text);
  op.rect = rect;
  op.align = align;
  op.colour = textColour_;
  op.font = font_;
  ops_.push_back(std::move(op));
}

void RecordingSurface::drawLine(Point from, Point to) {
  if (!record_)
    return;
  DrawOp op;
  op.kind = DrawOpKind::Line;
  op.colour = penColour_;
  op.from = from;
  op.to = to;
  ops_.push_back(std::move(op));
}

void RecordingSurface::drawPolyline(std::span<const Point> points) {
  if (!record_)
    return;
  DrawOp op;
  op.kind = DrawOpKind::Polyline;
  op.colour = penColour_;
  op.points.assign(points.begin(), points.end());
  ops_.push_back(std::move(op));
}

void RecordingSurface::fillRect(const Rect& rect, Colour colour) {
  if (!record_)
    return;
  DrawOp op;
  op.kind = DrawOpKind::Fill;
  op.rect = rect;
  op.colour = colour;
  ops_.push_back(std::move(op));
}

void RecordingSurface::drawEdge(const Rect& rect, EdgeStyle style, EdgeSides sides) {
  if (!record_)
    return;
  DrawOp op;
  op.kind = DrawOpKind::Edge;
  op.rect = rect;
  op.edge = style;
  op.sides = sides;
  ops_.push_back(std::move(op));
}

void RecordingSurface::copyFrom(DrawSurface& source, const Rect& destination, Point sourceOrigin,
                                RasterOp rasterOp) {
  if (!record_)
    return;
  DrawOp op;
  op.kind = DrawOpKind::Copy;
  op.rect = destination;
  op.from = sourceOrigin;
  op.op = rasterOp;
  op.source = &source;
  ops_.push_back(std::move(op));
}

std::unique_ptr<DrawSurface> RecordingSurfaceFactory::createMemorySurface(Size size) {
  if (refuse)
    return nullptr;
  auto surface = std::make_unique<RecordingSurface>(size, fonts_, record_);
  last = surface.get();
  ++created;
  return surface;
}

}  // namespace zembrik
