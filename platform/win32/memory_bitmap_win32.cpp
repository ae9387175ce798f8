#include "platform/win32/memory_bitmap_win32.h"

namespace zembrik {

std::unique_ptr<MemoryBitmap> MemoryBitmap::create(int width, int height) {
  WindowDc screen(nullptr);
  if (screen.get() == nullptr)
    return nullptr;
  UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
  if (!dc)
    return nullptr;
  // Compatible with the screen, not with the new context: that one holds a 1x1 monochrome
  // bitmap until something else is selected.
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  if (!bitmap)
    return nullptr;
  return std::unique_ptr<MemoryBitmap>(new MemoryBitmap(std::move(dc), std::move(bitmap)));
}

MemoryBitmap::MemoryBitmap(UniqueMemoryDc dc, UniqueBitmap bitmap) noexcept
    : dc_(std::move(dc)), bitmap_(std::move(bitmap)), selected_(dc_.get(), bitmap_.get()) {}

}  // namespace zembrik
