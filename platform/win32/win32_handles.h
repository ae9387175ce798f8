#pragma once
// Owners of the Win32 handles that are released by one call on the handle alone: windows, GDI
// objects, memory device contexts, menus, hooks, registry keys, modules and kernel objects. Each is
// move-only and releases its handle once; a plain handle type is a view that releases nothing.
// Owners that need a second value to release (a window for a DC or a timer, an instance for a
// class) are in dc_scopes_win32.h and window_bindings_win32.h.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace zembrik {

template <typename Handle, typename Releaser>
using UniqueWin32 = std::unique_ptr<std::remove_pointer_t<Handle>, Releaser>;

struct WindowDestroyer {
  void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
using UniqueWindow = UniqueWin32<HWND, WindowDestroyer>;

// Whatever was created with Create*Bitmap, CreateFont*, CreatePen, Create*Brush, Create*Rgn. The
// object must not be selected into a device context when it goes: a SelectedObject made after
// it (so released before it) sees to that.
struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
using UniqueBitmap = UniqueWin32<HBITMAP, GdiObjectDeleter>;
using UniqueFont = UniqueWin32<HFONT, GdiObjectDeleter>;
using UniquePen = UniqueWin32<HPEN, GdiObjectDeleter>;
using UniqueBrush = UniqueWin32<HBRUSH, GdiObjectDeleter>;
using UniqueRegion = UniqueWin32<HRGN, GdiObjectDeleter>;

// A device context from CreateCompatibleDC or CreateDC (a window's DC is a WindowDc).
struct MemoryDcDeleter {
  void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
using UniqueMemoryDc = UniqueWin32<HDC, MemoryDcDeleter>;

// A menu that is not attached to a window (a window destroys its own menu bar).
struct MenuDestroyer {
  void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};
using UniqueMenu = UniqueWin32<HMENU, MenuDestroyer>;

struct HookUnhooker {
  void operator()(HHOOK hook) const noexcept { UnhookWindowsHookEx(hook); }
};
using UniqueHook = UniqueWin32<HHOOK, HookUnhooker>;

// An opened or created key. The predefined roots (HKEY_CURRENT_USER, ...) are never put in one.
struct RegKeyCloser {
  void operator()(HKEY key) const noexcept { RegCloseKey(key); }
};
using UniqueRegKey = UniqueWin32<HKEY, RegKeyCloser>;

// A module from LoadLibrary*; one FreeLibrary per load. Not for GetModuleHandle results, which
// hold no reference.
struct ModuleFreer {
  void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};
using UniqueModule = UniqueWin32<HMODULE, ModuleFreer>;

// Events, processes, threads, files. CreateFile reports failure as INVALID_HANDLE_VALUE, not
// null: the owner closes neither.
struct KernelHandleCloser {
  void operator()(HANDLE handle) const noexcept {
    if (handle != INVALID_HANDLE_VALUE)
      CloseHandle(handle);
  }
};
using UniqueHandle = UniqueWin32<HANDLE, KernelHandleCloser>;

}  // namespace zembrik
