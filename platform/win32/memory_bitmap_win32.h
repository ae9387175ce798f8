#pragma once
// An off-screen picture: a memory device context compatible with the screen with a bitmap
// selected into it for the object's life.
#include <windows.h>

#include <memory>

#include "platform/win32/dc_scopes_win32.h"
#include "platform/win32/win32_handles.h"

namespace zembrik {

class MemoryBitmap {
 public:
  // Null when GDI refuses the context or the bitmap; nothing is left behind then.
  static std::unique_ptr<MemoryBitmap> create(int width, int height);

  MemoryBitmap(const MemoryBitmap&) = delete;
  MemoryBitmap& operator=(const MemoryBitmap&) = delete;

  HDC dc() const noexcept { return dc_.get(); }
  HBITMAP bitmap() const noexcept { return bitmap_.get(); }

 private:
  MemoryBitmap(UniqueMemoryDc dc, UniqueBitmap bitmap) noexcept;

  // Released in reverse: the bitmap is selected out, then deleted, then the context.
  UniqueMemoryDc dc_;
  UniqueBitmap bitmap_;
  SelectedObject selected_;
};

}  // namespace zembrik
