#pragma once
// Layout arithmetic of the stand-in taskbar, free of Windows so that it is tested natively.
// Rectangles are {left, top, right, bottom} in the coordinates the caller names.

#include <cstdint>

#include "tools/standin_taskbar/standin_protocol.h"

namespace standin {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  bool operator==(const Size&) const = default;
};

// Fixed parts of the notification area, in pixels along the bar.
inline constexpr int kTrayIconLength = 24;                // one fake notification icon
inline constexpr int kPagerLength = 2 * kTrayIconLength;  // the two icons the pager starts with
inline constexpr int kShowDesktopLength = 8;              // the show-desktop button at the far end
inline constexpr int kClockPaddingMain = 8;               // around the clock text, along the bar
inline constexpr int kClockPaddingCross = 4;              // and across it (vertical bars only)

bool isVertical(Edge edge);

// The main taskbar's window rectangle on a monitor.
Rect taskbarRect(const Rect& monitor, Edge edge, int thickness);

// MAKELONG(cx, cy) as the shell's size query carries it; out-of-range parts are clamped.
std::uint32_t packSize(Size size);
Size unpackSize(std::uint32_t packed);
// MAKELONG(x, y) with signed 16-bit halves (screen coordinates may be negative).
std::uint32_t packPoint(int x, int y);

// The native clock's wish: its text (widest line, all lines' height) plus padding along the
// bar, and the whole cross size the notification area offers across it.
Size nativeClockSize(bool vertical, int cross, Size text);

// The notification area's window size for a clock of the given size: pager, clock and button
// along the bar, the bar's inner thickness across it, plus the window frame (static edge).
Size notifyAreaSize(bool vertical, int barCross, Size clock, bool showDesktop, Size frame,
                    int pagerLength = kPagerLength);

struct TaskbarLayout {
  Rect band;        // "ReBarWindow32": whatever the notification area leaves
  Rect notifyArea;  // at the far end (right or bottom)
};
// In the taskbar's client coordinates.
TaskbarLayout layoutTaskbar(Size client, bool vertical, Size notifySize);

struct NotifyLayout {
  Rect pager;
  Rect clock;
  Rect showDesktop;  // empty when there is none
};
// In the notification area's client coordinates. Packed from the start: a notification area
// that was given more room than its content (the generation-7 negotiation) keeps it at the end,
// where the hook library moves the neighbours right of (below) the clock.
NotifyLayout layoutNotifyArea(Size client, bool vertical, Size clock, bool showDesktop,
                              int pagerLength = kPagerLength);

struct SecondaryLayout {
  Rect band;
  Rect clock;  // at the far end
};
SecondaryLayout layoutSecondary(Size client, bool vertical, Size clock);

// Where a popup (date and time panel, clock tip) goes beside an anchor on a bar: on the side
// with more room on the monitor, aligned with the anchor's far edge, kept inside the monitor.
Rect placePopup(const Rect& anchor, Size popup, const Rect& monitor, bool vertical);

}  // namespace standin
