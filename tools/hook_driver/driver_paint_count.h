#pragma once
// Counts the clock's WM_PAINTs inside the stand-in taskbar through the paint-counting probe
// library of the hook tests (a WH_GETMESSAGE hook on the taskbar's thread that posts each paint
// of a "TrayClockWClass" window to a listener window of this process).
#include <windows.h>

#include <string>

namespace zembrik {

class DriverPaintCount {
 public:
  // `probePath`: the probe library's file. Counts nothing when it or the taskbar is missing.
  explicit DriverPaintCount(const std::wstring& probePath);
  ~DriverPaintCount();
  DriverPaintCount(const DriverPaintCount&) = delete;
  DriverPaintCount& operator=(const DriverPaintCount&) = delete;

  bool installed() const { return hook_ != nullptr; }
  int paints() const { return paints_; }
  void reset() { paints_ = 0; }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND listener_ = nullptr;
  HMODULE probe_ = nullptr;
  HHOOK hook_ = nullptr;
  int paints_ = 0;
};

}  // namespace zembrik
