#pragma once
// Where the calendar goes beside a taskbar, how a drag by the user is kept, and when it opens
// on today's month again.
#include <cstdint>
#include <optional>

#include "engine/paint/geometry.h"

namespace zembrik {

inline constexpr Point kPlacementWithoutMonitor{100, 100};

// The top-left corner of a calendar of `size` beside taskbar `taskbar` whose clicked clock is
// `clock`: flush with the taskbar's end nearer the clock, on the side of the taskbar that faces
// the middle of its monitor. Without a monitor: kPlacementWithoutMonitor.
Point placeCalendar(const Rect& taskbar, const Rect& clock, const std::optional<Rect>& monitor,
                    Size size) noexcept;

// Keeps the user's move of the window for as long as the taskbar stays where it was.
class DragMemory {
 public:
  // The position to show at, given the computed one and the taskbar's rectangle now.
  Point place(Point computed, const Rect& taskbar) noexcept;
  // The window was hidden at `position`.
  void hiddenAt(Point position) noexcept;

 private:
  Point computed_;
  Point offset_;
  std::optional<Rect> taskbar_;
};

// Whether a calendar opening now shows today's month. `closedAt` and `now` are universal times
// in 100-ns units; `todayAfterMs` is the `TodayCalendar` value (below 0: never).
bool opensOnToday(std::int32_t todayAfterMs, std::optional<std::int64_t> closedAt,
                  std::int64_t now) noexcept;

}  // namespace zembrik
