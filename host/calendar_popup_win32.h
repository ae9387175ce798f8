#pragma once
// The month calendar popup of the host. Its window and drawing come with the calendar; until
// then these are the places the host calls, and they do nothing.
#include <windows.h>

#include "registry/registry_key.h"

namespace zembrik {

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
  // Once at start-up: the locale's default names for the calendar title.
  void initLocale();
  // At start-up and on every reload: the calendar values and the name tables.
  void readSettings(RegistryKey& settingsRoot);

  // Shows the calendar at `anchor`, or hides it when it is shown.
  void toggle(const CalendarAnchor& anchor);
  void hide();
  bool visible() const;

  // Mouse-wheel paging while visible.
  void showPreviousMonth();
  void showNextMonth();

  // Once a minute and on a time change: moves the highlighted day when the date changed.
  void dayCheck();
};

}  // namespace zembrik
