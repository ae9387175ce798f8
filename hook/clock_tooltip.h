#pragma once
// The tracking tooltip of one clock: made at attach, placed beside the clock at the pointer on
// hover, its text (the custom tooltip or a ringing alarm's names) given on request.
#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>

#include <string>

namespace zembrik {

struct ClockInstance;

// Tracking states of the pointer over the clock.
inline constexpr int kTrackingOff = 0;
inline constexpr int kTrackingArmed = 1;     // TrackMouseEvent asked for hover and leave
inline constexpr int kTrackingHover = 2;     // hover reached
inline constexpr int kTrackingClicked = -1;  // a click took the tooltip down until the next leave

struct ClockTooltip {
  ClockTooltip() = default;
  ClockTooltip(const ClockTooltip&) = delete;
  ClockTooltip& operator=(const ClockTooltip&) = delete;
  // Takes the tool off and destroys the window, when detach did not already.
  ~ClockTooltip();

  HWND window = nullptr;  // null when it could not be made: every step skips it
  TOOLINFOA tool{};
  int tracking = kTrackingOff;
  // The text of the last request; the wide request may point at it until the next one.
  std::u16string text;
};

// Attach: registers the tooltip class in this process if nobody did, makes the window and adds
// the clock as its tracking tool.
void createTooltip(ClockInstance& clock, int osGeneration);
// Detach.
void destroyTooltip(ClockInstance& clock);

// Places the tooltip beside the clock at the pointer and activates it (which fetches the text).
void showTooltip(ClockInstance& clock);
// A click or the pointer leaving: hidden, and not shown again until the pointer comes back.
void takeDownTooltip(ClockInstance& clock);

// Whether the clock answers text requests itself (a tooltip format or a ringing alarm's text);
// otherwise the native clock does.
bool clockGivesTooltipText(const ClockInstance& clock);

// WM_NOTIFY with a tooltip text request. False when the request is not ours to answer.
bool answerTooltipText(ClockInstance& clock, LPARAM lParam);

}  // namespace zembrik
