#pragma once
// What zembrik-preview does, as functions the tests call too: load the face of a clock set and
// paint it into a picture through the clock's own painter and GDI surface.
#include <memory>

#include "engine/format/zone_table.h"
#include "engine/names/name_tables.h"
#include "engine/paint/face_painter.h"
#include "engine/registry/registry_key.h"
#include "engine/settings/clock_config.h"
#include "engine/settings/font_cache.h"
#include "tools/preview/face_image.h"

namespace zembrik {

struct PreviewClock {
  bool vertical = false;
  int index = 0;  // secondary clock number, 0 for the main taskbar's clock
  int dpi = 96;
  int windowHeight = 40;  // picks the built-in horizontal face
};

// Loads the clock set's face from a copy of the settings below `currentUser`, so that nothing
// is written into the registry; with no `currentUser`, or no settings, the built-in face.
void loadPreviewFace(ClockConfig& clock, const PreviewClock& which, RegistryKey* currentUser,
                     FontCache& fonts, NameTables& names, ZoneTable& zones);

// Measures the face and paints it into a picture of `client`, a zero side taking the measured
// size. Null when the face cannot be painted.
std::unique_ptr<FaceImage> paintPreview(ClockConfig& clock, FacePainter& painter,
                                        const PaintInputs& inputs, Size client);

}  // namespace zembrik
