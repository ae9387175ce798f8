#pragma once
// What a paint reads besides the clock's surfaces, with no system behind it: fonts from the
// given factory, empty name tables, no configured zones, UTC as the system zone and every lock
// key off. Fixtures and benchmarks of the painter derive from it and add their surfaces.
#include "engine/format/format_render.h"
#include "engine/format/platform_state.h"
#include "engine/format/zone_table.h"
#include "engine/names/name_tables.h"
#include "engine/paint/face_colours.h"
#include "engine/paint/face_painter.h"
#include "engine/settings/clock_config.h"
#include "engine/settings/font_cache.h"

namespace zembrik::testing {

template <class FontFactoryType>
struct PaintWorld {
  // The paint inputs at `moment`, with the cache emptied as before every paint of a clock.
  PaintInputs inputsAt(const RenderMoment& moment) {
    cache.reset();
    return PaintInputs{environment, moment, cache, colours};
  }

  FontFactoryType fontFactory;
  FontCache fonts{fontFactory};
  NameTables names;
  EmptyZoneTable zones;
  FixedSystemTimeZone systemZone;
  FixedLockKeyStates lockKeys;
  FormatEnvironment environment{names, zones, systemZone, lockKeys};
  PaintCache cache;
  FaceColours colours;
  ClockConfig clock;
};

}  // namespace zembrik::testing
