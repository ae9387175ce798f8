#include "platform/win32/captured_background_win32.h"

#include <algorithm>

#include "platform/win32/memory_bitmap_win32.h"

namespace zembrik {

namespace {

ThemeWindow themeWindow(HWND window) noexcept {
  return reinterpret_cast<ThemeWindow>(window);
}

}  // namespace

CapturedBackground::CapturedBackground(HWND clock, ThemeBinding& theme) noexcept
    : clock_(clock), theme_(theme) {}

void CapturedBackground::release() noexcept {
  mask_.reset();
  background_.reset();
  client_ = {-1, -1};
}

void CapturedBackground::resize(Size client) {
  build(client, hover_);
}

void CapturedBackground::build(Size client, bool hover) {
  release();
  hover_ = hover;
  builtHover_ = hover;
  Size size{std::max(client.width, 1), std::max(client.height, 1)};
  background_ = GdiSurface::createMemory(size);
  if (!background_)
    return;
  client_ = client;
  bool transparent = capture(size);
  if (transparent) {
    mask_ = GdiSurface::createMemory(size);
    if (mask_)
      PatBlt(mask_->dc(), 0, 0, size.width, size.height, BLACKNESS);
  }
}

POINT CapturedBackground::placeOnTaskbar() const {
  POINT place{0, 0};
  MapWindowPoints(clock_, GetAncestor(clock_, GA_ROOT), &place, 1);
  return place;
}

bool CapturedBackground::capture(Size size) {
  capturedAt_ = placeOnTaskbar();
  HWND parent = GetParent(clock_);
  RECT parentWindow{};
  GetWindowRect(parent, &parentWindow);
  auto scratch = MemoryBitmap::create(std::max<int>(parentWindow.right - parentWindow.left, 1),
                                      std::max<int>(parentWindow.bottom - parentWindow.top, 1));
  if (!scratch)
    return false;
  const CaptureContext& context = context_;
  // Until the main clock is known, the theme is opened on this one.
  HWND themed = context.themeWindow != nullptr ? context.themeWindow : clock_;
  if (context.osGeneration > 1 && theme_.themed(themeWindow(themed), context.osGeneration) &&
      theme_.drawBackground(themeWindow(themed), reinterpret_cast<ThemeDevice>(scratch->dc()),
                            {0, 0, size.width, size.height}, hover_, context.osGeneration)) {
    BitBlt(background_->dc(), 0, 0, size.width, size.height, scratch->dc(), 0, 0, SRCCOPY);
    return theme_.partiallyTransparent();
  }
  // The parent paints its client area into the scratch bitmap from its client origin; the
  // clock's client area lies in that picture at its position in the parent's client
  // coordinates. Offsets taken from the window rectangles would be one pixel off wherever the
  // parent has a border (the sunken edge of the classic look).
  SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(scratch->dc()), PRF_CLIENT);
  POINT origin{0, 0};
  MapWindowPoints(clock_, parent, &origin, 1);
  BitBlt(background_->dc(), 0, 0, size.width, size.height, scratch->dc(), origin.x, origin.y,
         SRCCOPY);
  return false;
}

bool CapturedBackground::buildDue(Size client) const {
  if (!background_ || client != client_ || hover_ != builtHover_)
    return true;
  POINT place = placeOnTaskbar();
  return place.x != capturedAt_.x || place.y != capturedAt_.y;
}

void CapturedBackground::paint(DrawSurface& memory, Size client, const FaceColours& colours) {
  POINT place = placeOnTaskbar();
  if (background_ && (place.x != capturedAt_.x || place.y != capturedAt_.y))
    build(client_, hover_);  // the taskbar moved the clock: what lies under it changed
  Rect whole{0, 0, client.width, client.height};
  if (DrawSurface* start = mask_ ? mask_.get() : background_.get())
    memory.copyFrom(*start, whole, {0, 0}, RasterOp::Copy);
  else
    FaceBackground::paint(memory, client, colours);
}

}  // namespace zembrik
