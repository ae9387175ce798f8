#include "platform/win32/dpi_functions_win32.h"

#include <algorithm>

#include "platform/win32/proc_address_win32.h"
#include "platform/win32/win32_handles.h"

namespace zembrik {

namespace {

// An entry of a system library, looked up on first use. When the entry is missing the library
// is freed again; when it is found the reference is kept for the life of the process, since the
// pointer lives in the library.
template <typename Function>
class OnceBoundEntry {
 public:
  OnceBoundEntry(const char* library, const char* entry) : library_(library), entry_(entry) {}

  Function get() {
    if (!attempted_) {
      attempted_ = true;
      UniqueModule module(LoadLibraryA(library_));
      if (module) {
        function_ = procAddress<Function>(module.get(), entry_);
        if (function_)
          (void)module.release();
      }
    }
    return function_;
  }

 private:
  const char* library_;
  const char* entry_;
  bool attempted_ = false;
  Function function_ = nullptr;
};

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
// MDT_EFFECTIVE_DPI is 0; the header that names it is not needed for one constant.
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;

// Touched only on the thread that owns the clocks (or the options program's window thread).
OnceBoundEntry<GetDpiForWindowFn>& windowDpiEntry() {
  static OnceBoundEntry<GetDpiForWindowFn> entry("User32.dll", "GetDpiForWindow");
  return entry;
}

OnceBoundEntry<GetDpiForMonitorFn>& monitorDpiEntry() {
  static OnceBoundEntry<GetDpiForMonitorFn> entry("Shcore.dll", "GetDpiForMonitor");
  return entry;
}

}  // namespace

std::optional<unsigned> windowDpiIfKnown(HWND window) {
  GetDpiForWindowFn function = windowDpiEntry().get();
  const UINT dpi = function ? function(window) : 0;
  if (dpi == 0)
    return std::nullopt;
  return dpi;
}

int dpiForWindow(HWND window) {
  return static_cast<int>(windowDpiIfKnown(window).value_or(96));
}

std::optional<unsigned> effectiveDpiForMonitor(HMONITOR monitor) {
  GetDpiForMonitorFn function = monitorDpiEntry().get();
  if (!function)
    return std::nullopt;
  UINT x = 0;
  UINT y = 0;
  if (FAILED(function(monitor, kEffectiveDpi, &x, &y)))
    return std::nullopt;
  return std::max(x, y);
}

}  // namespace zembrik
