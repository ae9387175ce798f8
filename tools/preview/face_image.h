#pragma once
// A picture with its own device context, painted through GDI and saved as a 24-bit BMP file.
// In memory it has 32 bits per pixel, as the screen has, so that copying a face into it costs
// what copying it to a window costs.
#include <windows.h>

#include <memory>
#include <string>
#include <utility>

#include "engine/paint/geometry.h"
#include "engine/settings/cell_style.h"
#include "platform/win32/dc_scopes_win32.h"
#include "platform/win32/win32_handles.h"

namespace zembrik {

class FaceImage {
 public:
  // Null when GDI refuses the bitmap or the context.
  static std::unique_ptr<FaceImage> create(Size size);
  FaceImage(const FaceImage&) = delete;
  FaceImage& operator=(const FaceImage&) = delete;

  HDC dc() const noexcept { return dc_.get(); }
  Size size() const noexcept { return size_; }
  // 0x00BBGGRR, as GDI writes colours; call after drawing (GDI batches its work).
  Colour pixel(int x, int y) const;
  // A BMP file of 24 bits per pixel. False when the file cannot be written.
  bool writeBmp(const std::wstring& path) const;

 private:
  FaceImage(UniqueMemoryDc dc, UniqueBitmap bitmap, const std::uint8_t* bits, Size size)
      : dc_(std::move(dc)),
        bitmap_(std::move(bitmap)),
        selected_(dc_.get(), bitmap_.get()),
        bits_(bits),
        size_(size) {}

  // Released in reverse: the bitmap is selected out, then deleted, then the context.
  UniqueMemoryDc dc_;
  UniqueBitmap bitmap_;
  SelectedObject selected_;
  const std::uint8_t* bits_;  // top-down rows of blue, green, red and an unused byte
  Size size_;
};

}  // namespace zembrik
