#include "engine/theme/theme_binding.h"

namespace zembrik {

const char16_t* themeClassFor(int osGeneration) noexcept {
  return osGeneration == 7 ? u"TaskBand2" : u"CLOCK";
}

int themePartFor(int osGeneration) noexcept {
  return osGeneration == 7 ? 5 : 1;
}

int themeStateFor(bool hover) noexcept {
  return hover ? 2 : 1;
}

void ThemeBinding::closeHandle() {
  // A library found without CloseThemeData cannot close what it opened; the handle is dropped.
  if (handle_ != 0 && entryCount_ > 0 && library_.has(ThemeEntry::CloseThemeData))
    library_.closeThemeData(handle_);
  handle_ = 0;
}

void ThemeBinding::refresh(bool themeActive) {
  closeHandle();
  themeActive_ = themeActive;
}

void ThemeBinding::bind() {
  if (entryCount_ != 0)
    return;
  partiallyTransparent_ = false;
  if (!library_.load()) {
    entryCount_ = -1;
    return;
  }
  int found = 0;
  for (int entry = 0; entry < kThemeEntryCount; ++entry)
    found += library_.has(static_cast<ThemeEntry>(entry)) ? 1 : 0;
  if (found == 0) {
    library_.unload();
    entryCount_ = -1;
    return;
  }
  entryCount_ = found;
}

bool ThemeBinding::themed(ThemeWindow clockWindow, int osGeneration) {
  bind();
  if (entryCount_ <= 0 || !library_.has(ThemeEntry::OpenThemeData))
    return false;
  if (handle_ == 0)
    handle_ = library_.openThemeData(clockWindow, themeClassFor(osGeneration));
  return handle_ != 0;
}

bool ThemeBinding::drawBackground(ThemeWindow clockWindow, ThemeDevice device, const Rect& rect,
                                  bool hover, int osGeneration) {
  if (!themed(clockWindow, osGeneration) || !library_.has(ThemeEntry::DrawThemeBackground) ||
      !library_.has(ThemeEntry::DrawThemeParentBackground) ||
      !library_.has(ThemeEntry::IsThemeBackgroundPartiallyTransparent))
    return false;
  int part = themePartFor(osGeneration);
  int state = themeStateFor(hover);
  partiallyTransparent_ = library_.isThemeBackgroundPartiallyTransparent(handle_, part, state);
  if (partiallyTransparent_ && !library_.drawThemeParentBackground(clockWindow, device, rect))
    return false;
  return library_.drawThemeBackground(handle_, device, part, state, rect);
}

void ThemeBinding::release() {
  // The handle belongs to the library: it is closed while the library is still loaded, so that
  // no later refresh calls into an unloaded module.
  closeHandle();
  if (entryCount_ > 0)
    library_.unload();
  entryCount_ = 0;
  partiallyTransparent_ = false;
}

}  // namespace zembrik
