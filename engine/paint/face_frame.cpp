#include "engine/paint/face_frame.h"

namespace zembrik {

namespace {

// A line across the whole client area at `position` along the taskbar's direction.
void crossLine(DrawSurface& surface, int position, Size client, bool vertical) {
  if (vertical) {
    surface.drawLine({0, position}, {client.width, position});
  } else {
    surface.drawLine({position, 0}, {position, client.height});
  }
}

// The highlight line at `position` and, unless the line is one pixel thin, the shadow beside it.
void linePair(DrawSurface& surface, int highlightAt, int shadowAt, int thickness, Size client,
              bool vertical, const FaceColours& colours) {
  surface.setPen(colours.highlightPen);
  crossLine(surface, highlightAt, client, vertical);
  if (thickness != 1) {
    surface.setPen(colours.shadowPen);
    crossLine(surface, shadowAt, client, vertical);
  }
}

}  // namespace

FaceFrame faceFrame(Size client, const FaceMargins& margins, const EdgeBands& bands,
                    std::uint32_t separatorWord, bool vertical) {
  FaceFrame frame;
  frame.face = {margins.left + bands.left, margins.top + bands.top,
                client.width - margins.right - bands.right, client.height - bands.bottom};
  frame.content = frame.face;
  frame.separators = decodeFaceSeparators(separatorWord);
  frame.anySeparator = frame.separators.leading || frame.separators.trailing;
  if (frame.anySeparator) {
    int thickness = frame.separators.thickness;
    frame.ownStartGap = kSeparatorGap;
    int trailingRoom = vertical ? thickness : thickness + 1;
    (vertical ? frame.content.bottom : frame.content.right) -= trailingRoom;
    frame.addonGap = separatorRoom(frame.separators, vertical, /*addonsBefore=*/true) -
                     frame.ownStartGap - trailingRoom;
  }
  return frame;
}

void drawFaceSeparators(DrawSurface& surface, const FaceFrame& frame, Size client, bool vertical,
                        const FaceColours& colours, AddonBand addons) {
  const FaceSeparators& separators = frame.separators;
  int thickness = separators.thickness;
  if (separators.leading) {
    int edge = vertical ? frame.face.top : frame.face.left;
    linePair(surface, edge, edge + 1, thickness, client, vertical, colours);
    if (addons.extent > kSeparatorGap) {
      int end = edge + addons.start + addons.extent;
      linePair(surface, end, end + 1, thickness, client, vertical, colours);
    }
  }
  if (separators.trailing) {
    int end = vertical ? client.height : client.width;
    linePair(surface, end - thickness, end - thickness / 2, thickness, client, vertical, colours);
  }
}

int separatorRoom(const FaceSeparators& separators, bool vertical, bool addonsBefore) {
  if (!separators.leading && !separators.trailing)
    return 0;
  int room = separators.thickness + kSeparatorGap;
  if (addonsBefore)
    room += vertical ? kSeparatorGap : 2 * kSeparatorGap;
  return room;
}

}  // namespace zembrik
