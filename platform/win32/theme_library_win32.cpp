#include "platform/win32/theme_library_win32.h"

#include "platform/win32/proc_address_win32.h"

namespace zembrik {

namespace {

HWND toWindow(ThemeWindow window) noexcept {
  return reinterpret_cast<HWND>(window);
}

HDC toDc(ThemeDevice device) noexcept {
  return reinterpret_cast<HDC>(device);
}

HANDLE toTheme(ThemeHandle theme) noexcept {
  return reinterpret_cast<HANDLE>(theme);
}

RECT toRect(const Rect& rect) noexcept {
  return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

bool Win32ThemeLibrary::load() {
  if (module_)
    return true;
  module_.reset(LoadLibraryA(name_.c_str()));
  if (!module_)
    return false;
  HMODULE module = module_.get();
  open_ = procAddress<OpenFn>(module, "OpenThemeData");
  close_ = procAddress<CloseFn>(module, "CloseThemeData");
  draw_ = procAddress<DrawFn>(module, "DrawThemeBackground");
  drawParent_ = procAddress<DrawParentFn>(module, "DrawThemeParentBackground");
  transparent_ = procAddress<TransparentFn>(module, "IsThemeBackgroundPartiallyTransparent");
  return true;
}

bool Win32ThemeLibrary::has(ThemeEntry entry) const {
  switch (entry) {
    case ThemeEntry::OpenThemeData:
      return open_ != nullptr;
    case ThemeEntry::CloseThemeData:
      return close_ != nullptr;
    case ThemeEntry::DrawThemeBackground:
      return draw_ != nullptr;
    case ThemeEntry::DrawThemeParentBackground:
      return drawParent_ != nullptr;
    case ThemeEntry::IsThemeBackgroundPartiallyTransparent:
      return transparent_ != nullptr;
  }
  return false;
}

void Win32ThemeLibrary::unload() {
  open_ = nullptr;
  close_ = nullptr;
  draw_ = nullptr;
  drawParent_ = nullptr;
  transparent_ = nullptr;
  module_.reset();
}

ThemeHandle Win32ThemeLibrary::openThemeData(ThemeWindow window, const char16_t* classList) {
  if (open_ == nullptr)
    return 0;
  return reinterpret_cast<ThemeHandle>(
      open_(toWindow(window), reinterpret_cast<const wchar_t*>(classList)));
}

void Win32ThemeLibrary::closeThemeData(ThemeHandle theme) {
  if (close_ != nullptr)
    close_(toTheme(theme));
}

bool Win32ThemeLibrary::drawThemeBackground(ThemeHandle theme, ThemeDevice device, int part,
                                            int state, const Rect& rect) {
  RECT area = toRect(rect);
  return draw_ != nullptr &&
         SUCCEEDED(draw_(toTheme(theme), toDc(device), part, state, &area, nullptr));
}

bool Win32ThemeLibrary::drawThemeParentBackground(ThemeWindow window, ThemeDevice device,
                                                  const Rect& rect) {
  RECT area = toRect(rect);
  return drawParent_ != nullptr && SUCCEEDED(drawParent_(toWindow(window), toDc(device), &area));
}

bool Win32ThemeLibrary::isThemeBackgroundPartiallyTransparent(ThemeHandle theme, int part,
                                                              int state) {
  return transparent_ != nullptr && transparent_(toTheme(theme), part, state) != FALSE;
}

}  // namespace zembrik
