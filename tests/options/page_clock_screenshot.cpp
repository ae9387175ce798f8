// Shows the Clock page for docs/images (see scripts/clock_page_screenshots); not a test. The
// settings start empty, so the page writes the default face for the taskbar it finds (the
// stand-in, started by the script), and the top right cell is selected so that its fields show.
// The window stays up for the given seconds.
#include <windows.h>

#include <cwchar>

#include "grid/grid_messages.h"
#include "options/page_clock_ids.h"
#include "tests/options/options_harness_win32.h"

int wmain(int argc, wchar_t** argv) {
  using namespace zembrik::testing;
  DWORD seconds = argc > 1 ? static_cast<DWORD>(std::wcstoul(argv[1], nullptr, 10)) : 10;
  resetSettings();
  {
    OptionsHarness options;
    options.showPage(kClockPage);
    SendMessageW(options.control(kClockPage, IDC_CLOCK_GRID), zembrik::grid::GRIDM_CLICKCELL,
                 zembrik::grid::gridCell(1, 3), 0);
    SetForegroundWindow(options.window());
    options.pumpMessages(seconds * 1000);
  }
  resetSettings();
  return 0;
}
