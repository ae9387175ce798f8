#include "tools/preview/face_image.h"

#include <cstdio>
#include <vector>

namespace zembrik {

namespace {

BITMAPINFOHEADER header(Size size, WORD bitsPerPixel, bool topDown) {
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = size.width;
  info.biHeight = topDown ? -size.height : size.height;
  info.biPlanes = 1;
  info.biBitCount = bitsPerPixel;
  info.biCompression = BI_RGB;
  return info;
}

template <typename T>
void append(std::vector<std::uint8_t>& out, const T& value) {
  auto bytes = reinterpret_cast<const std::uint8_t*>(&value);
  out.insert(out.end(), bytes, bytes + sizeof value);
}

}  // namespace

std::unique_ptr<FaceImage> FaceImage::create(Size size) {
  if (size.width <= 0 || size.height <= 0)
    return nullptr;
  BITMAPINFO info{};
  info.bmiHeader = header(size, 32, /*topDown=*/true);
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap)
    return nullptr;
  UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc)
    return nullptr;
  return std::unique_ptr<FaceImage>(new FaceImage(std::move(dc), std::move(bitmap),
                                                  static_cast<const std::uint8_t*>(bits), size));
}

Colour FaceImage::pixel(int x, int y) const {
  GdiFlush();
  const std::uint8_t* p = bits_ + (static_cast<std::size_t>(y) * size_.width + x) * 4;
  return Colour{p[2]} | Colour{p[1]} << 8 | Colour{p[0]} << 16;
}

bool FaceImage::writeBmp(const std::wstring& path) const {
  GdiFlush();
  int fileStride = (size_.width * 3 + 3) & ~3;
  auto imageBytes = static_cast<DWORD>(fileStride * size_.height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + imageBytes;
  std::vector<std::uint8_t> out;
  out.reserve(file.bfSize);
  append(out, file);
  append(out, header(size_, 24, /*topDown=*/false));
  // Bottom-up rows of three bytes a pixel, as every reader of the format expects.
  for (int y = size_.height - 1; y >= 0; --y) {
    const std::uint8_t* row = bits_ + static_cast<std::size_t>(y) * size_.width * 4;
    for (int x = 0; x < size_.width; ++x) out.insert(out.end(), row + x * 4, row + x * 4 + 3);
    out.resize(out.size() + static_cast<std::size_t>(fileStride - size_.width * 3), 0);
  }
  FILE* f = _wfopen(path.c_str(), L"wb");
  if (f == nullptr)
    return false;
  bool written = std::fwrite(out.data(), 1, out.size(), f) == out.size();
  return std::fclose(f) == 0 && written;
}

}  // namespace zembrik
