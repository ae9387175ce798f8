#include "platform/win32/font_win32.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/dc_scopes_win32.h"
#include "platform/win32/window_id_win32.h"

namespace zembrik {

namespace {

int verticalResolution(HWND window) noexcept {
  WindowDc dc(window);
  if (dc.get() == nullptr) {
    WindowDc screen(nullptr);
    return screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  }
  return GetDeviceCaps(dc.get(), LOGPIXELSY);
}

}  // namespace

LOGFONTA logFontFor(const FontRequest& request, int dpi) noexcept {
  LOGFONTA font{};
  font.lfHeight = fontHeightForDpi(request.size, dpi);
  font.lfWidth = 0;
  font.lfEscapement = 0;
  font.lfOrientation = 0;
  font.lfWeight = request.weight;
  font.lfItalic = FALSE;
  font.lfUnderline = FALSE;
  font.lfStrikeOut = FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = request.antialiased ? PROOF_QUALITY : NONANTIALIASED_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::size_t length = std::min(request.face.size(), sizeof font.lfFaceName - 1);
  std::memcpy(font.lfFaceName, request.face.data(), length);
  return font;
}

FontHandle GdiFontFactory::createFont(const FontRequest& request) {
  int dpi = request.dpi != 0 ? request.dpi : verticalResolution(windowFromId(request.window));
  LOGFONTA font = logFontFor(request, dpi);
  HFONT created = CreateFontIndirectA(&font);
  return static_cast<FontHandle>(reinterpret_cast<std::uintptr_t>(created));
}

void GdiFontFactory::deleteFont(FontHandle font) noexcept {
  if (font != 0)
    DeleteObject(fontFromHandle(font));
}

FontCache& fontCache() {
  static GdiFontFactory factory;
  static FontCache cache(factory);
  return cache;
}

}  // namespace zembrik
