#include "platform/win32/system_colours_win32.h"

#include <windows.h>

namespace zembrik {

Colour Win32SystemColours::colour(SystemColour which) const {
  switch (which) {
    case SystemColour::ButtonText:
      return GetSysColor(COLOR_BTNTEXT);
    case SystemColour::ButtonHighlight:
      return GetSysColor(COLOR_BTNHIGHLIGHT);
    case SystemColour::ButtonShadow:
      return GetSysColor(COLOR_BTNSHADOW);
    default:
      return GetSysColor(COLOR_BTNFACE);
  }
}

}  // namespace zembrik
