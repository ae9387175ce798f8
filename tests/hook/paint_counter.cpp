// A probe library that a WH_GETMESSAGE hook loads into the stand-in taskbar: it reports every
// paint of its clock windows, so tests can count the clock's repaints. A paint comes one of two
// ways: a WM_PAINT taken from the queue (the native clock's, and ours after an invalidate), or
// the attached clock's tick painting straight through the window's DC. The second never shows
// as a message, so the probe watches the hook library's own imports: a BitBlt onto a clock
// window outside the library's BeginPaint/EndPaint is a paint of its own.
#include <windows.h>

#include "tests/hook/paint_counter.h"

namespace {

bool isClock(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return lstrcmpW(name, L"TrayClockWClass") == 0;
}

void reportPaint(HWND clock) {
  if (HWND listener = FindWindowW(zembrik::testing::kPaintListenerClass, nullptr))
    PostMessageW(listener, zembrik::testing::kClockPainted, reinterpret_cast<WPARAM>(clock), 0);
}

// BeginPaint..EndPaint of the hook library in progress (the shell's paints run on its UI
// thread, one at a time).
int paintsInProgress = 0;

HDC WINAPI watchedBeginPaint(HWND window, PAINTSTRUCT* paint) {
  HDC dc = BeginPaint(window, paint);
  if (dc != nullptr)
    ++paintsInProgress;
  return dc;
}

BOOL WINAPI watchedEndPaint(HWND window, const PAINTSTRUCT* paint) {
  if (paintsInProgress > 0)
    --paintsInProgress;
  return EndPaint(window, paint);
}

BOOL WINAPI watchedBitBlt(HDC target, int x, int y, int width, int height, HDC source, int sourceX,
                          int sourceY, DWORD operation) {
  const BOOL done = BitBlt(target, x, y, width, height, source, sourceX, sourceY, operation);
  if (paintsInProgress == 0) {
    HWND window = WindowFromDC(target);
    if (window != nullptr && isClock(window))
      reportPaint(window);
  }
  return done;
}

// Replaces every entry of `module`'s import address table that holds `original` with
// `replacement`.
void replaceImport(HMODULE module, ULONG_PTR original, ULONG_PTR replacement) {
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.VirtualAddress == 0 || original == 0)
    return;
  auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
  for (; import->Name != 0; ++import) {
    auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
    for (; slot->u1.Function != 0; ++slot) {
      ULONG_PTR* entry = &slot->u1.Function;
      if (*entry != original)
        continue;
      DWORD protection = 0;
      if (VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &protection)) {
        *entry = replacement;
        VirtualProtect(entry, sizeof *entry, protection, &protection);
      }
    }
  }
}

ULONG_PTR address(const wchar_t* module, const char* function) {
  return reinterpret_cast<ULONG_PTR>(GetProcAddress(GetModuleHandleW(module), function));
}

// Puts the watchers into the hook library's imports once it is loaded. Looked at for every
// message: a library loaded again (a new attach) has fresh imports, possibly at the same address.
void watchHookLibrary() {
  HMODULE library = GetModuleHandleW(L"Zembrik64.dll");
  if (library == nullptr)
    library = GetModuleHandleW(L"Zembrik32.dll");
  if (library == nullptr)
    return;
  static const auto bitBlt = address(L"gdi32.dll", "BitBlt");
  static const auto beginPaint = address(L"user32.dll", "BeginPaint");
  static const auto endPaint = address(L"user32.dll", "EndPaint");
  replaceImport(library, beginPaint, reinterpret_cast<ULONG_PTR>(&watchedBeginPaint));
  replaceImport(library, endPaint, reinterpret_cast<ULONG_PTR>(&watchedEndPaint));
  replaceImport(library, bitBlt, reinterpret_cast<ULONG_PTR>(&watchedBitBlt));
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    paintCounterHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && lParam) {
    watchHookLibrary();
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (message->message == WM_PAINT && isClock(message->hwnd))
      reportPaint(message->hwnd);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
