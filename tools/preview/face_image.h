#pragma once
// A picture with its own device context, painted through GDI and saved as a 24-bit BMP file.
// In memory it has 32 bits per pixel, as the screen has, so that copying a face into it costs
// what copying it to a window costs.
#include <windows.h>

#include <memory>
#include <string>

#include "paint/geometry.h"
#include "settings/cell_style.h"

namespace zembrik {

class FaceImage {
 public:
  // Null when GDI refuses the bitmap or the context.
  static std::unique_ptr<FaceImage> create(Size size);
  ~FaceImage();
  FaceImage(const FaceImage&) = delete;
  FaceImage& operator=(const FaceImage&) = delete;

  HDC dc() const noexcept { return dc_; }
  Size size() const noexcept { return size_; }
  // 0x00BBGGRR, as GDI writes colours; call after drawing (GDI batches its work).
  Colour pixel(int x, int y) const;
  // A BMP file of 24 bits per pixel. False when the file cannot be written.
  bool writeBmp(const std::wstring& path) const;

 private:
  FaceImage(HDC dc, HBITMAP bitmap, HGDIOBJ previous, const std::uint8_t* bits, Size size)
      : dc_(dc), bitmap_(bitmap), previous_(previous), bits_(bits), size_(size) {}

  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  const std::uint8_t* bits_;  // top-down rows of blue, green, red and an unused byte
  Size size_;
};

}  // namespace zembrik
