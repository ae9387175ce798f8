#include "engine/taskbar/size_negotiation.h"

namespace zembrik {

PackedSize adjustForHiddenShowDesktop(PackedSize measured, PackedSize showDesktopSize,
                                      PackedSize nativeSize, bool vertical) {
  const PackedSize sum = showDesktopSize + nativeSize;  // packed addition, as the shell sees it
  if (vertical) {
    return (measured >> 16) == (sum >> 16) ? measured + 0x10000u : measured;
  }
  return (measured & 0xFFFFu) == (sum & 0xFFFFu) ? measured + 1u : measured;
}

PackedSize notificationAreaAnswer(PackedSize nativeAnswer, PackedSize clockAnswer,
                                  bool verticalAfter, PackedSize nativeSizeBefore,
                                  bool verticalBefore) {
  auto along = [](PackedSize size, bool vertical) {
    return vertical ? (size & 0xFFFF0000u) : (size & 0xFFFFu);
  };
  return nativeAnswer + along(clockAnswer, verticalAfter) - along(nativeSizeBefore, verticalBefore);
}

SecondaryPlacement placeSecondaryClock(const Rect& clock, int siblingWidth, int siblingHeight,
                                       int wantedWidth, int wantedHeight, bool vertical) {
  SecondaryPlacement placed;
  placed.clock = clock;
  placed.siblingWidth = siblingWidth;
  placed.siblingHeight = siblingHeight;
  if (vertical) {
    placed.clock.top = clock.bottom - wantedHeight;
    placed.siblingHeight = siblingHeight + clock.height() - wantedHeight;
  } else {
    placed.clock.left = clock.right - wantedWidth;
    placed.siblingWidth = siblingWidth + clock.width() - wantedWidth;
  }
  return placed;
}

NeighbourMove neighbourMove(const NeighbourInput& child, bool vertical, int clockLeft, int clockTop,
                            PackedSize nativeSize, PackedSize measuredSize) {
  if (child.hideShowDesktop && child.isShowDesktopButton)
    return NeighbourMove::ShrinkToNothing;
  if (!vertical && child.x >= clockLeft + packedWidth(nativeSize))
    return NeighbourMove::Shift;
  if (vertical && child.y >= clockTop + packedHeight(nativeSize))
    return NeighbourMove::Shift;
  if (child.isClock && measuredSize != 0)
    return NeighbourMove::PlaceClock;
  return NeighbourMove::Leave;
}

}  // namespace zembrik
