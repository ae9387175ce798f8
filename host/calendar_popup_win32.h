#pragma once
// The month calendar popup of the host: a dialog made on first use and then only shown and
// hidden, painted from a memory bitmap, placed beside the clock that was clicked.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "engine/calendar/c_resizer.h"
#include "engine/calendar/calendar_month.h"
#include "engine/calendar/calendar_placement.h"
#include "engine/calendar/calendar_settings.h"
#include "engine/format/format_compile.h"
#include "engine/registry/registry_key.h"
#include "engine/settings/font_cache.h"

namespace zembrik {

class GdiSurface;

// Where a shown calendar goes and whom it tells: the clock that was clicked (null: the main
// clock) and its taskbar, the main clock, the host window.
struct CalendarAnchor {
  HWND clickedClock = nullptr;
  HWND clickedTaskbar = nullptr;
  HWND trayClock = nullptr;
  HWND hostWindow = nullptr;
};

class CalendarPopup {
 public:
  CalendarPopup();
  ~CalendarPopup();
  CalendarPopup(const CalendarPopup&) = delete;
  CalendarPopup& operator=(const CalendarPopup&) = delete;

  // Once at start-up: the locale's default names for the calendar title.
  void initLocale();
  // At start-up and on every reload: the calendar values and the name tables.
  void readSettings(RegistryKey& settingsRoot);

  // Shows the calendar at `anchor`, or hides it when it is shown there.
  void toggle(const CalendarAnchor& anchor);
  void hide();
  bool visible() const;

  // Mouse-wheel paging while visible.
  void showPreviousMonth();
  void showNextMonth();

  // Once a minute and on a time change: moves the highlighted day when the date changed.
  void dayCheck();

  // For the host's message loop: true when `message` was a dialog key of the calendar (Tab,
  // Enter, Esc) and has been handled.
  bool handleDialogMessage(MSG& message);

 private:
  static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  bool create();
  void onInitDialog(HWND window);
  void onSize();
  void onPaint();
  void onCommand(int id);
  void move(int months, int years);

  void show();
  void redraw();
  // Makes the font for the window's DPI when there is none; true when the DPI changed.
  bool checkFont();
  void dropFont();
  void applyTransparency();
  Point placement(Size windowSize);
  Rect drawingArea() const;

  HWND window_ = nullptr;
  CalendarAnchor anchor_;
  HWND placedTaskbar_ = nullptr;

  CalendarSettings settings_;
  CompiledFormat title_;
  CalendarDate displayed_;
  CalendarDate today_;
  std::optional<std::int64_t> closedAt_;
  DragMemory drag_;
  c_Resizer resizer_;
  std::vector<Rect> controlRects_;  // where each resized control is now

  SharedFont font_;
  int fontDpi_ = 0;
  std::unique_ptr<GdiSurface> surface_;
};

}  // namespace zembrik
