#pragma once
// Pixel geometry of the painter, in client coordinates (x grows right, y grows down).
namespace zembrik {

struct Point {
  int x = 0;
  int y = 0;

  bool operator==(const Point&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;

  bool operator==(const Size&) const = default;
};

// Right and bottom are exclusive, as in GDI's RECT.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const noexcept { return right - left; }
  int height() const noexcept { return bottom - top; }
  Rect offset(int dx, int dy) const noexcept {
    return {left + dx, top + dy, right + dx, bottom + dy};
  }

  bool operator==(const Rect&) const = default;
};

}  // namespace zembrik
