#pragma once
// The background a clock's face is painted on: the taskbar's own, captured from the themed
// background or from the picture the clock's parent paints of itself. On a partly transparent
// themed taskbar the face starts from a black mask instead, which the taskbar shows as
// see-through.
#include <windows.h>

#include <memory>

#include "engine/paint/face_hooks.h"
#include "engine/theme/theme_binding.h"
#include "platform/win32/gdi_surface.h"

namespace zembrik {

// What a capture needs to know of the process. The owner of the background keeps it current
// (before each paint); the background never asks for it.
struct CaptureContext {
  int osGeneration = 0;
  HWND themeWindow = nullptr;  // the window the theme is opened on (the main clock)
};

class CapturedBackground final : public FaceBackground {
 public:
  CapturedBackground(HWND clock, ThemeBinding& theme) noexcept;

  void setContext(const CaptureContext& context) noexcept { context_ = context; }

  // The painter's surfaces were made anew for `client`: the background is built for it.
  void resize(Size client) override;
  // Starts the face from the mask, else from the captured background. A clock that the taskbar
  // moved since the capture is captured again first: what lies under it changed.
  void paint(DrawSurface& memory, Size client, const FaceColours& colours) override;
  DrawSurface* mask() override { return mask_.get(); }
  DrawSurface* capturedBackground() override { return mask_ ? background_.get() : nullptr; }

  // Build surfaces: the background (and the mask) of `client` in the hover state asked.
  void build(Size client, bool hover);
  void release() noexcept;
  bool hover() const noexcept { return hover_; }
  void setHover(bool hover) noexcept { hover_ = hover; }

  // True when a paint of `client` will build the background: nothing is built for that size,
  // the hover state changed, or the clock moved since the capture. What is refreshed with each
  // build (the face colours) is refreshed by the owner before such a paint.
  bool buildDue(Size client) const;

 private:
  bool capture(Size size);
  POINT placeOnTaskbar() const;

  HWND clock_;
  ThemeBinding& theme_;
  CaptureContext context_;
  bool hover_ = false;
  bool builtHover_ = false;
  Size client_{-1, -1};
  POINT capturedAt_{};
  // The mask is made after the background and goes first.
  std::unique_ptr<GdiSurface> background_;
  std::unique_ptr<GdiSurface> mask_;
};

}  // namespace zembrik
