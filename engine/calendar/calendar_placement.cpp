#include "engine/calendar/calendar_placement.h"

namespace zembrik {

Point placeCalendar(const Rect& taskbar, const Rect& clock, const std::optional<Rect>& monitor,
                    Size size) noexcept {
  if (!monitor)
    return kPlacementWithoutMonitor;
  const Rect& m = *monitor;
  Point at;
  if (taskbar.width() >= taskbar.height()) {
    const bool clockNearRight = taskbar.right - clock.right < clock.left - taskbar.left;
    at.x = clockNearRight ? taskbar.right - size.width : taskbar.left;
    const bool nearTop = taskbar.top - m.top < m.bottom - taskbar.bottom;
    at.y = nearTop ? taskbar.bottom : taskbar.top - size.height;
  } else {
    const bool clockNearBottom = taskbar.bottom - clock.bottom < clock.top - taskbar.top;
    at.y = clockNearBottom ? taskbar.bottom - size.height : taskbar.top;
    const bool nearLeft = taskbar.left - m.left < m.right - taskbar.right;
    at.x = nearLeft ? taskbar.right : taskbar.left - size.width;
  }
  return at;
}

Point DragMemory::place(Point computed, const Rect& taskbar) noexcept {
  computed_ = computed;
  if (taskbar_ && *taskbar_ == taskbar)
    return {computed.x + offset_.x, computed.y + offset_.y};
  offset_ = {};
  taskbar_ = taskbar;
  return computed;
}

void DragMemory::hiddenAt(Point position) noexcept {
  offset_ = {position.x - computed_.x, position.y - computed_.y};
}

bool opensOnToday(std::int32_t todayAfterMs, std::optional<std::int64_t> closedAt,
                  std::int64_t now) noexcept {
  if (todayAfterMs < 0)
    return false;
  if (!closedAt)
    return true;
  // A clock set back past the closing time counts as a long absence.
  if (now < *closedAt)
    return true;
  return (now - *closedAt) / 10'000 >= todayAfterMs;
}

}  // namespace zembrik
