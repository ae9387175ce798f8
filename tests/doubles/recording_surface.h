#pragma once
// A drawing surface for native tests and benchmarks: text metrics are fixed per font and every
// drawing call can be recorded, so layout and drawing rules are checked without a platform.
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/paint/draw_surface.h"

namespace zembrik {

// Every character advances `charWidth`, a digit d advances `digitWidths[d]`; every line is
// `lineHeight` high, an empty text one line.
struct TextMetrics {
  int charWidth = 0;
  int lineHeight = 0;
  std::array<int, 10> digitWidths{};
};

// The metrics of a font of `size` points: a character is size / 2 wide (at least 2) and a line
// size * 3 / 2 high. Digits are as wide as other characters except "1" (one narrower) and "4"
// and "7" (two wider), so the widest digit is "4" (it comes before its tie "7") and normalising
// the digits of a text changes its width.
TextMetrics metricsForPointSize(int size) noexcept;

// The metrics of a surface's own font, before any font is selected.
inline constexpr int kRecordingDefaultPointSize = 10;

// Fonts for recording surfaces: handles 1, 2, ... with the metrics of the requested size.
class RecordingFontFactory final : public FontFactory {
 public:
  FontHandle createFont(const FontRequest& request) override;
  void deleteFont(FontHandle font) noexcept override;

  // Null for a handle this factory did not make (or has deleted).
  const TextMetrics* metrics(FontHandle font) const noexcept;
  std::size_t liveFonts() const noexcept { return fonts_.size(); }
  // While set, createFont refuses.
  bool refuse = false;

 private:
  std::map<FontHandle, TextMetrics> fonts_;
  FontHandle next_ = 1;
};

enum class DrawOpKind { Text, Line, Polyline, Fill, Copy, Edge };

// One recorded drawing, with the state in force when it was made.
struct DrawOp {
  DrawOpKind kind = DrawOpKind::Text;
  std::u16string text;  // Text
  Rect rect;            // Text: the rectangle; Fill; Copy: the destination; Edge
  TextAlign align = TextAlign::Left;
  Colour colour = 0;          // Text: text colour; Line, Polyline: pen colour; Fill
  FontHandle font = 0;        // Text: the selected font (0: the surface's own)
  Point from;                 // Line; Copy: the source origin
  Point to;                   // Line
  std::vector<Point> points;  // Polyline
  RasterOp op = RasterOp::Copy;
  const DrawSurface* source = nullptr;  // Copy
  EdgeStyle edge = EdgeStyle::Etched;   // Edge
  EdgeSides sides = 0;                  // Edge
};

class RecordingSurface final : public DrawSurface {
 public:
  // `fonts` gives the metrics of selected fonts (fonts it does not know measure with the
  // surface's own metrics). With `record` off the surface only measures: it allocates nothing
  // while drawing, for benchmarks and allocation counts.
  explicit RecordingSurface(Size size, const RecordingFontFactory* fonts = nullptr,
                            bool record = true);

  Size size() const override { return size_; }
  void selectFont(FontHandle font) override;
  Size measureText(std::u16string_view text) override;
  void drawText(std::u16string_view text, const Rect& rect, TextAlign align) override;
  void setTextColour(Colour colour) override { textColour_ = colour; }
  void setPen(Colour colour) override { penColour_ = colour; }
  void drawLine(Point from, Point to) override;
  void drawPolyline(std::span<const Point> points) override;
  void fillRect(const Rect& rect, Colour colour) override;
  void drawEdge(const Rect& rect, EdgeStyle style, EdgeSides sides) override;
  void copyFrom(DrawSurface& source, const Rect& destination, Point sourceOrigin,
                RasterOp op) override;

  const std::vector<DrawOp>& ops() const noexcept { return ops_; }
  void clear() { ops_.clear(); }
  FontHandle selectedFont() const noexcept { return font_; }
  int measureCalls() const noexcept { return measureCalls_; }

 private:
  const TextMetrics& currentMetrics() const noexcept;

  Size size_;
  const RecordingFontFactory* fonts_;
  bool record_;
  TextMetrics ownMetrics_;
  FontHandle font_ = 0;
  Colour textColour_ = 0;
  Colour penColour_ = 0;
  int measureCalls_ = 0;
  std::vector<DrawOp> ops_;
};

// Makes recording surfaces; can be told to refuse, as a platform out of resources would.
class RecordingSurfaceFactory final : public SurfaceFactory {
 public:
  explicit RecordingSurfaceFactory(const RecordingFontFactory* fonts = nullptr, bool record = true)
      : fonts_(fonts), record_(record) {}

  std::unique_ptr<DrawSurface> createMemorySurface(Size size) override;

  bool refuse = false;
  int created = 0;
  // The surface made last, while it lives (the painter owns it).
  RecordingSurface* last = nullptr;

 private:
  const RecordingFontFactory* fonts_;
  bool record_;
};

}  // namespace zembrik
