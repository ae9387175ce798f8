#pragma once
// Fonts over GDI: the factory behind the process's font cache.
#include <windows.h>

#include "engine/settings/font_cache.h"

namespace zembrik {

class GdiFontFactory final : public FontFactory {
 public:
  // CreateFontIndirectA with the request's parameters; DPI 0 takes LOGPIXELSY of the
  // request's window (of the screen when the window has no device context).
  FontHandle createFont(const FontRequest& request) override;
  void deleteFont(FontHandle font) noexcept override;
};

// The LOGFONTA a request is created with at a known DPI.
LOGFONTA logFontFor(const FontRequest& request, int dpi) noexcept;

inline HFONT fontFromHandle(FontHandle font) noexcept {
  return reinterpret_cast<HFONT>(static_cast<std::uintptr_t>(font));
}

// `fontCache`: the fonts shared by every clock of this process.
FontCache& fontCache();

}  // namespace zembrik
