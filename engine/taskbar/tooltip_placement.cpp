#include "engine/taskbar/tooltip_placement.h"

namespace zembrik {

ScreenPoint placeTooltip(const ScreenRect& monitor, const ScreenRect& clock, ScreenPoint cursor,
                         int width, int height, bool vertical) noexcept {
  ScreenPoint at = cursor;
  if (vertical) {
    at.x = clock.left - monitor.left < monitor.right - clock.right ? clock.right + 1
                                                                   : clock.left - width - 1;
    if (at.y + height >= monitor.bottom)
      at.y = monitor.bottom - height - 1;
  } else {
    at.y = clock.top - monitor.top < monitor.bottom - clock.bottom ? clock.bottom + 1
                                                                   : clock.top - height - 1;
    if (at.x + width >= monitor.right)
      at.x = monitor.right - width - 1;
  }
  return at;
}

}  // namespace zembrik
