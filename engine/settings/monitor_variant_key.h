#pragma once
// The last step of choosing a clock's settings key: the variant for the monitor the clock stands
// on, then the one for that monitor's size and DPI, each used only where it exists.
#include "engine/registry/registry_key.h"
#include "engine/settings/clock_config.h"
#include "engine/settings/monitor_source.h"

namespace zembrik {

// Starting from the clock's orientation set `set`, opens "name_<monitor id>" below it when the
// monitor has an id and that key exists, then below the result the one size key
// "size_<W>x<H>_<dpi>" (or "size_<W>x<H>" when the DPI is unknown), W and H being those of the
// whole monitor. Returns the deepest key found; `set` itself when the clock is on no monitor or
// no variant exists. Creates nothing.
OpenedKey openMonitorVariant(OpenedKey set, WindowId clockWindow, MonitorSource& monitors);

}  // namespace zembrik
