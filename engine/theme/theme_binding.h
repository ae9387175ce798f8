#pragma once
// The visual-styles library, bound at run time, and the process's theme state: whether the
// theme is active, the one theme handle, and the themed background of the clock.
#include <cstdint>

#include "engine/paint/face_colours.h"
#include "engine/paint/geometry.h"

namespace zembrik {

// Windows, device contexts and theme handles as the platform's opaque values.
using ThemeWindow = std::uintptr_t;
using ThemeDevice = std::uintptr_t;
using ThemeHandle = std::uintptr_t;

enum class ThemeEntry {
  OpenThemeData,
  CloseThemeData,
  DrawThemeBackground,
  DrawThemeParentBackground,
  IsThemeBackgroundPartiallyTransparent,
};
inline constexpr int kThemeEntryCount = 5;

// The visual-styles library of the platform ("uxtheme" on Windows). The calls are made only for
// entry points that `load` reported found.
class ThemeLibrary {
 public:
  virtual ~ThemeLibrary() = default;
  // Loads the library and looks up the five entry points. False when the library is missing.
  virtual bool load() = 0;
  virtual bool has(ThemeEntry entry) const = 0;
  // Unloads it; the entry points are gone afterwards.
  virtual void unload() = 0;

  virtual ThemeHandle openThemeData(ThemeWindow window, const char16_t* classList) = 0;
  virtual void closeThemeData(ThemeHandle theme) = 0;
  virtual bool drawThemeBackground(ThemeHandle theme, ThemeDevice device, int part, int state,
                                   const Rect& rect) = 0;
  virtual bool drawThemeParentBackground(ThemeWindow window, ThemeDevice device,
                                         const Rect& rect) = 0;
  virtual bool isThemeBackgroundPartiallyTransparent(ThemeHandle theme, int part, int state) = 0;
};

// The theme class, part and state of the clock's background by Windows generation.
const char16_t* themeClassFor(int osGeneration) noexcept;
int themePartFor(int osGeneration) noexcept;
int themeStateFor(bool hover) noexcept;

class ThemeBinding final : public ThemeState {
 public:
  explicit ThemeBinding(ThemeLibrary& library) : library_(library) {}
  // Releases nothing: the process-wide binding goes at process exit, when the library may be
  // gone already. `release` is the way to let go of it.
  ~ThemeBinding() override = default;
  ThemeBinding(const ThemeBinding&) = delete;
  ThemeBinding& operator=(const ThemeBinding&) = delete;

  // The theme was re-detected (settings load, colour, theme or setting change): the theme
  // handle is closed and reopened on demand.
  void refresh(bool themeActive);
  bool themeActive() const override { return themeActive_; }

  // Binds the library once (again only after `release`): 0 not tried yet, -1 unusable, else the
  // number of entry points found.
  void bind();
  int entryCount() const noexcept { return entryCount_; }

  // Binds, and opens the theme handle on `clockWindow` when none is open.
  bool themed(ThemeWindow clockWindow, int osGeneration);

  // Draws the themed background of `rect` into `device`: first the parent's background when the
  // theme's is partly transparent, then the theme's own. False when either step failed or the
  // theme cannot draw; `partiallyTransparent` tells what the theme said.
  bool drawBackground(ThemeWindow clockWindow, ThemeDevice device, const Rect& rect, bool hover,
                      int osGeneration);
  bool partiallyTransparent() const noexcept { return partiallyTransparent_; }

  // The last clock went away: the handle is closed and the library unloaded.
  void release();

 private:
  void closeHandle();

  ThemeLibrary& library_;
  bool themeActive_ = false;
  int entryCount_ = 0;
  ThemeHandle handle_ = 0;
  bool partiallyTransparent_ = false;
};

}  // namespace zembrik
