#pragma once
// How the clocks blend into the taskbar: the theme state of the process, the background each
// clock captures and paints on, and the flat-tray style of the classic look.
#include <windows.h>

#include <memory>

#include "paint/face_hooks.h"
#include "theme/theme_binding.h"
#include "win32/gdi_surface.h"

namespace zembrik {

struct ClockInstance;

// The process's binding of the visual-styles library and its theme state.
ThemeBinding& themeBinding();

// Reads again whether the visual-styles theme is active (and closes the theme handle).
void refreshThemeState();

// The theme, the colours or a system setting changed: theme state, colours and the flat-tray
// style are refreshed and the clock's surfaces are made again at its next paint.
void refreshLook(ClockInstance& clock);

// Removes or gives back the notification area's sunken edge by the clock's "FlatTray" value, in
// the classic look and on the main taskbar only.
void applyFlatTray(ClockInstance& clock);
// At detach: the edge that "FlatTray" removed comes back.
void restoreTrayEdge(ClockInstance& clock);

// The last clock of the process went away.
void releaseThemeLibrary();

// The background a clock's face is painted on: the taskbar's own, captured whenever the
// surfaces are built (size changes, hover changes, colour or theme changes) and again when the
// clock moved on its taskbar. On a partly transparent themed taskbar the face starts from a
// black mask instead, which the taskbar shows as see-through.
class ClockBackground final : public FaceBackground {
 public:
  explicit ClockBackground(HWND clock) : clock_(clock) {}

  void resize(Size client) override;
  void paint(DrawSurface& memory, Size client, const FaceColours& colours) override;
  DrawSurface* mask() override { return mask_.get(); }
  DrawSurface* capturedBackground() override { return mask_ ? background_.get() : nullptr; }

  // Build surfaces: the background (and mask) of `client`, captured in the hover state asked.
  void build(Size client, bool hover);
  void release() noexcept;
  bool hover() const noexcept { return hover_; }
  void setHover(bool hover) noexcept { hover_ = hover; }

 private:
  bool capture(Size client);
  POINT placeOnTaskbar() const;

  HWND clock_;
  bool hover_ = false;
  Size client_{-1, -1};
  POINT capturedAt_{};
  std::unique_ptr<GdiSurface> background_;
  std::unique_ptr<GdiSurface> mask_;
};

// The background of each clock, made on first use; the painter keeps a reference to it, so it
// is forgotten only once the clock's instance (and its painter) is gone.
ClockBackground& backgroundOf(const ClockInstance& clock);
void forgetBackground(HWND clock);

// Mouse enter and leave: the background is captured again in the new hover state.
void rebuildSurfaces(ClockInstance& clock, bool hover);

}  // namespace zembrik
