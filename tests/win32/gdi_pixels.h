#pragma once
// Reading back what GDI drew: the pixels of a device context and the boxes of the pixels of
// one colour.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "engine/paint/geometry.h"
#include "engine/settings/cell_style.h"

namespace zembrik::testing {

class Pixels {
 public:
  Pixels(HDC dc, Size size)
      : size_(size), colours_(static_cast<std::size_t>(size.width) * size.height) {
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x) colours_[index(x, y)] = GetPixel(dc, x, y) & 0xFFFFFF;
    }
  }

  Colour at(int x, int y) const { return colours_[index(x, y)]; }

  // The smallest rectangle (right and bottom exclusive) holding every pixel of `colour` inside
  // `area`; nothing when there is none.
  std::optional<Rect> box(Colour colour, Rect area) const {
    std::optional<Rect> found;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, size_.height); ++y) {
      for (int x = std::max(area.left, 0); x < std::min(area.right, size_.width); ++x) {
        if (at(x, y) != colour)
          continue;
        if (!found) {
          found = Rect{x, y, x + 1, y + 1};
        } else {
          found->left = std::min(found->left, x);
          found->top = std::min(found->top, y);
          found->right = std::max(found->right, x + 1);
          found->bottom = std::max(found->bottom, y + 1);
        }
      }
    }
    return found;
  }
  std::optional<Rect> box(Colour colour) const {
    return box(colour, {0, 0, size_.width, size_.height});
  }

  int count(Colour colour, Rect area) const {
    int n = 0;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, size_.height); ++y) {
      for (int x = std::max(area.left, 0); x < std::min(area.right, size_.width); ++x)
        n += at(x, y) == colour ? 1 : 0;
    }
    return n;
  }
  int count(Colour colour) const { return count(colour, {0, 0, size_.width, size_.height}); }

 private:
  std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * size_.width + x; }

  Size size_;
  std::vector<Colour> colours_;
};

}  // namespace zembrik::testing
