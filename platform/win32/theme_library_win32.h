#pragma once
// The visual-styles library ("uxtheme"), loaded at run time: systems without it, or without
// some of its entry points, still run.
#include <windows.h>

#include <string>

#include "engine/theme/theme_binding.h"
#include "platform/win32/win32_handles.h"

namespace zembrik {

class Win32ThemeLibrary final : public ThemeLibrary {
 public:
  // `name` is what LoadLibraryA is given.
  explicit Win32ThemeLibrary(std::string name = "uxtheme") : name_(std::move(name)) {}
  // Does not unload: at process exit the loader may have unloaded the library already, and
  // FreeLibrary is not to be called from a DLL's exit code. `unload` is the way to let go.
  ~Win32ThemeLibrary() override { (void)module_.release(); }
  Win32ThemeLibrary(const Win32ThemeLibrary&) = delete;
  Win32ThemeLibrary& operator=(const Win32ThemeLibrary&) = delete;

  bool load() override;
  bool has(ThemeEntry entry) const override;
  void unload() override;

  ThemeHandle openThemeData(ThemeWindow window, const char16_t* classList) override;
  void closeThemeData(ThemeHandle theme) override;
  bool drawThemeBackground(ThemeHandle theme, ThemeDevice device, int part, int state,
                           const Rect& rect) override;
  bool drawThemeParentBackground(ThemeWindow window, ThemeDevice device, const Rect& rect) override;
  bool isThemeBackgroundPartiallyTransparent(ThemeHandle theme, int part, int state) override;

 private:
  using OpenFn = HANDLE(WINAPI*)(HWND, LPCWSTR);
  using CloseFn = HRESULT(WINAPI*)(HANDLE);
  using DrawFn = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);
  using DrawParentFn = HRESULT(WINAPI*)(HWND, HDC, const RECT*);
  using TransparentFn = BOOL(WINAPI*)(HANDLE, int, int);

  std::string name_;
  UniqueModule module_;
  OpenFn open_ = nullptr;
  CloseFn close_ = nullptr;
  DrawFn draw_ = nullptr;
  DrawParentFn drawParent_ = nullptr;
  TransparentFn transparent_ = nullptr;
};

}  // namespace zembrik
