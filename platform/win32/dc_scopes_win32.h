#pragma once
// Device contexts borrowed from a window, and device-context state that lasts for a scope.
#include <windows.h>

#include <utility>

namespace zembrik {

// GetDC (or GetDCEx with the given flags) for the life of the object, ReleaseDC at its end. A
// null window gives the screen's DC. get() is null when GetDC failed.
class WindowDc {
 public:
  explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
  WindowDc(HWND window, DWORD flags) noexcept
      : window_(window), dc_(GetDCEx(window, nullptr, flags)) {}
  ~WindowDc() { reset(); }
  WindowDc(WindowDc&& other) noexcept
      : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&& other) noexcept {
    if (this != &other) {
      reset();
      window_ = other.window_;
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC get() const noexcept { return dc_; }

 private:
  void reset() noexcept {
    if (dc_ != nullptr)
      ReleaseDC(window_, std::exchange(dc_, nullptr));
  }

  HWND window_;
  HDC dc_;
};

// BeginPaint/EndPaint around one WM_PAINT, also when the painting throws. dc() is null when
// BeginPaint failed; the window is then validated instead: a window left invalid would be sent
// WM_PAINT again at once, for ever.
class PaintScope {
 public:
  explicit PaintScope(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() {
    if (dc_ != nullptr)
      EndPaint(window_, &paint_);
    else
      ValidateRect(window_, nullptr);
  }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  HDC dc() const noexcept { return dc_; }
  const PAINTSTRUCT& paint() const noexcept { return paint_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Selects an object into a device context for the scope and selects the previous one back at
// its end. A null object selects nothing (and so restores nothing).
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) noexcept
      : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
  ~SelectedObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR)
      SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

  // The object that was selected before, which the scope puts back.
  HGDIOBJ previous() const noexcept { return previous_; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace zembrik
