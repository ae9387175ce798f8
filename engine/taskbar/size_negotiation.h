#pragma once
// The arithmetic of the clock's size negotiation with the taskbar; the window calls around it
// live in the hook library.
#include "engine/paint/geometry.h"
#include "engine/taskbar/packed_size.h"

namespace zembrik {

// With the show-desktop button hidden on systems before generation 7, an answer that equals the
// native clock size plus the button's size is made one pixel larger along the taskbar, so the
// shell does not mistake it for its own layout.
PackedSize adjustForHiddenShowDesktop(PackedSize measured, PackedSize showDesktopSize,
                                      PackedSize nativeSize, bool vertical);

// Generation 7: the notification area answers the size query itself. It claims its own answer
// plus exactly the room the replacement clock needs beyond the native clock: heights on a
// vertical taskbar, widths on a horizontal one, each side masked by the orientation it was
// measured in.
PackedSize notificationAreaAnswer(PackedSize nativeAnswer, PackedSize clockAnswer,
                                  bool verticalAfter, PackedSize nativeSizeBefore,
                                  bool verticalBefore);

struct SecondaryPlacement {
  Rect clock;            // in the taskbar's client coordinates
  int siblingWidth = 0;  // the task band before the clock
  int siblingHeight = 0;
};

// A clock on a secondary taskbar is placed by hand: it keeps its right (or bottom) edge and takes
// its new width (height) from the task band beside it, or gives it back.
SecondaryPlacement placeSecondaryClock(const Rect& clock, int siblingWidth, int siblingHeight,
                                       int wantedWidth, int wantedHeight, bool vertical);

// What neighbour placement does with one child of the notification area.
enum class NeighbourMove { Leave, ShrinkToNothing, Shift, PlaceClock };

struct NeighbourInput {
  bool isShowDesktopButton = false;
  bool hideShowDesktop = false;
  bool isClock = false;
  int x = 0;  // the child's position in the notification area
  int y = 0;
};

// `clockLeft`/`clockTop` is the clock's origin in the notification area.
NeighbourMove neighbourMove(const NeighbourInput& child, bool vertical, int clockLeft, int clockTop,
                            PackedSize nativeSize, PackedSize measuredSize);

}  // namespace zembrik
