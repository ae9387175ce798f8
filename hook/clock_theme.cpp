#include "clock_theme.h"

#include <algorithm>
#include <map>

#include "clock_instance.h"
#include "clock_paint.h"
#include "hook_state.h"
#include "theme/theme_detection.h"
#include "win32/registry_win32.h"
#include "win32/theme_library_win32.h"

namespace zembrik {

namespace {

ThemeWindow themeWindow(HWND window) noexcept {
  return reinterpret_cast<ThemeWindow>(window);
}

// A compatible memory context and bitmap of `size`, deleted with the object.
class ScratchBitmap {
 public:
  explicit ScratchBitmap(Size size) {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr)
      return;
    dc_ = CreateCompatibleDC(screen);
    if (dc_ != nullptr)
      bitmap_ = CreateCompatibleBitmap(screen, std::max(size.width, 1), std::max(size.height, 1));
    ReleaseDC(nullptr, screen);
    if (bitmap_ != nullptr)
      original_ = SelectObject(dc_, bitmap_);
  }
  ~ScratchBitmap() {
    if (bitmap_ != nullptr) {
      SelectObject(dc_, original_);
      DeleteObject(bitmap_);
    }
    if (dc_ != nullptr)
      DeleteDC(dc_);
  }
  ScratchBitmap(const ScratchBitmap&) = delete;
  ScratchBitmap& operator=(const ScratchBitmap&) = delete;

  HDC dc() const noexcept { return bitmap_ != nullptr ? dc_ : nullptr; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_ = nullptr;
};

}  // namespace

ThemeBinding& themeBinding() {
  static Win32ThemeLibrary library;
  static ThemeBinding binding(library);
  return binding;
}

void refreshThemeState() {
  auto user = openCurrentUserRoot();
  themeBinding().refresh(detectThemeActive(*user));
}

void refreshLook(ClockInstance& clock) {
  refreshThemeState();
  refreshColours();
  applyFlatTray(clock);
  releaseSurfaces(clock);
}

namespace {

void setTrayEdge(HWND notify, bool edge) {
  LONG style = GetWindowLongA(notify, GWL_EXSTYLE);
  LONG wanted = edge ? (style | WS_EX_STATICEDGE) : (style & ~WS_EX_STATICEDGE);
  if (wanted == style)
    return;
  SetWindowLongA(notify, GWL_EXSTYLE, wanted);
  SetWindowPos(notify, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

void applyFlatTray(ClockInstance& clock) {
  if (!clock.isMain() || themeBinding().themeActive())
    return;
  // Only an edge this clock removed is given back: a notification area that never had one
  // keeps its look.
  if (clock.config.flatTray) {
    if (GetWindowLongA(clock.notify, GWL_EXSTYLE) & WS_EX_STATICEDGE) {
      setTrayEdge(clock.notify, false);
      clock.flatTrayApplied = true;
    }
  } else if (clock.flatTrayApplied) {
    setTrayEdge(clock.notify, true);
    clock.flatTrayApplied = false;
  }
}

void restoreTrayEdge(ClockInstance& clock) {
  if (clock.isMain() && clock.flatTrayApplied && IsWindow(clock.notify))
    setTrayEdge(clock.notify, true);
  clock.flatTrayApplied = false;
}

void releaseThemeLibrary() {
  themeBinding().release();
}

void ClockBackground::release() noexcept {
  mask_.reset();
  background_.reset();
  client_ = {-1, -1};
}

void ClockBackground::resize(Size client) {
  build(client, hover_);
}

void ClockBackground::build(Size client, bool hover) {
  release();
  hover_ = hover;
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
  refreshColours();
}

POINT ClockBackground::placeOnTaskbar() const {
  POINT place{0, 0};
  MapWindowPoints(clock_, GetAncestor(clock_, GA_ROOT), &place, 1);
  return place;
}

bool ClockBackground::capture(Size size) {
  capturedAt_ = placeOnTaskbar();
  HWND parent = GetParent(clock_);
  RECT parentWindow{};
  GetWindowRect(parent, &parentWindow);
  ScratchBitmap scratch(
      {parentWindow.right - parentWindow.left, parentWindow.bottom - parentWindow.top});
  if (scratch.dc() == nullptr)
    return false;
  ThemeBinding& theme = themeBinding();
  HookState& state = hookState();
  // The main clock's window is the one the theme is opened on; until it is attached, this one.
  HWND themed = state.primaryClockWindow != nullptr ? state.primaryClockWindow : clock_;
  if (state.osGeneration > 1 && theme.themed(themeWindow(themed), state.osGeneration) &&
      theme.drawBackground(themeWindow(themed), reinterpret_cast<ThemeDevice>(scratch.dc()),
                           {0, 0, size.width, size.height}, hover_, state.osGeneration)) {
    BitBlt(background_->dc(), 0, 0, size.width, size.height, scratch.dc(), 0, 0, SRCCOPY);
    return theme.partiallyTransparent();
  }
  // The parent paints its client area into the scratch bitmap from its client origin; the
  // clock's client area lies in that picture at its position in the parent's client
  // coordinates. Offsets taken from the window rectangles would be one pixel off wherever the
  // parent has a border (the sunken edge of the classic look).
  SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(scratch.dc()), PRF_CLIENT);
  POINT origin{0, 0};
  MapWindowPoints(clock_, parent, &origin, 1);
  BitBlt(background_->dc(), 0, 0, size.width, size.height, scratch.dc(), origin.x, origin.y,
         SRCCOPY);
  return false;
}

void ClockBackground::paint(DrawSurface& memory, Size client, const FaceColours& colours) {
  POINT place = placeOnTaskbar();
  if (background_ && (place.x != capturedAt_.x || place.y != capturedAt_.y))
    build(client_, hover_);  // the taskbar moved the clock: what lies under it changed
  Rect whole{0, 0, client.width, client.height};
  if (DrawSurface* start = mask_ ? mask_.get() : background_.get())
    memory.copyFrom(*start, whole, {0, 0}, RasterOp::Copy);
  else
    FaceBackground::paint(memory, client, colours);
}

namespace {

std::map<HWND, std::unique_ptr<ClockBackground>>& backgrounds() {
  static std::map<HWND, std::unique_ptr<ClockBackground>> byClock;
  return byClock;
}

}  // namespace

ClockBackground& backgroundOf(const ClockInstance& clock) {
  auto& slot = backgrounds()[clock.clock];
  if (!slot)
    slot = std::make_unique<ClockBackground>(clock.clock);
  return *slot;
}

void forgetBackground(HWND clock) {
  backgrounds().erase(clock);
}

void rebuildSurfaces(ClockInstance& clock, bool hover) {
  backgroundOf(clock).setHover(hover);
  if (clock.painter)
    clock.painter->forceRelayout();
  InvalidateRect(clock.clock, nullptr, FALSE);
}

}  // namespace zembrik
