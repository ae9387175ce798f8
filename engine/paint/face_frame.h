#pragma once
// Where a face goes inside the clock window: the margins, the bands of the meter bars, and the
// separator lines at the face's leading and trailing edges.
#include <cstdint>

#include "engine/paint/draw_surface.h"
#include "engine/paint/face_colours.h"
#include "engine/settings/clock_config.h"
#include "engine/settings/face_separator.h"

namespace zembrik {

// Pixels taken at each edge, by the meter bars.
struct EdgeBands {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;

  bool operator==(const EdgeBands&) const = default;
};

// Room kept between the leading separator line (or the add-on cells) and the clock's cells.
inline constexpr int kSeparatorGap = 3;

struct FaceFrame {
  // The client area less the left, right and top margins and the meter bands. The bottom
  // margin only counts when the face asks for its size.
  Rect face;
  // Where the cells go: the face less the room of the trailing separator.
  Rect content;
  FaceSeparators separators;
  bool anySeparator = false;
  // Skipped before the first column (horizontal) or row (vertical), add-on or the clock's own.
  int ownStartGap = 0;
  // Kept after the add-on columns (rows), before the clock's own; the leading lines stand again
  // at its start. It takes what the measure counts for the separators besides the leading gap
  // and the trailing room, so a pass places exactly what the measure counted.
  int addonGap = 0;
};

FaceFrame faceFrame(Size client, const FaceMargins& margins, const EdgeBands& bands,
                    std::uint32_t separatorWord, bool vertical);

// The add-on cells before the clock's own, along the taskbar's direction: where they start past
// the face's leading edge and how far they reach.
struct AddonBand {
  int start = 0;
  int extent = 0;
};

// Draws the leading and trailing separator lines of `frame`. When the add-on cells reach more
// than the gap, their end gets the leading pair too.
void drawFaceSeparators(DrawSurface& surface, const FaceFrame& frame, Size client, bool vertical,
                        const FaceColours& colours, AddonBand addons);

// What the separators add to the wanted size along the taskbar's direction.
int separatorRoom(const FaceSeparators& separators, bool vertical, bool addonsBefore);

}  // namespace zembrik
