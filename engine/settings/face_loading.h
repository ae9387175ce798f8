#pragma once
// Building a clock's face: the grid of a clock-set key, or the built-in default face.
#include "engine/format/zone_table.h"
#include "engine/registry/registry_key.h"
#include "engine/settings/clock_config.h"
#include "engine/settings/font_cache.h"

namespace zembrik {

// Grids larger than this in either direction are cut to it: a hand-edited count in the
// millions would otherwise allocate that many slots and stall the taskbar's thread on millions
// of registry reads. The settings editor refuses to grow a grid beyond it, so only a count
// written by hand ever meets the cut.
inline constexpr int kMaxGridSide = 64;

// A grid count as stored: the DWORD is signed, negative counts as 0, and it is capped.
int gridCount(std::uint32_t stored) noexcept;

// Cell (row, column) of `set` from `cell_`, `font_`, `color_`, `acolor_` and `blink_`; null
// when the cell value is absent. The clock's window and DPI pick its font.
std::unique_ptr<CellConfig> loadCell(RegistryKey& set, int row, int column,
                                     const ClockPlacement& placement, FontCache& fonts,
                                     const ZoneTable& zones);

// Appends rows x columns slots read from `set`.
void appendGridCells(ClockConfig& clock, RegistryKey& set, int columns, int rows, FontCache& fonts,
                     const ZoneTable& zones);

// Replaces margins, column count and cells by the built-in face for the clock's orientation
// and window height.
void buildDefaultFace(ClockConfig& clock, FontCache& fonts, const ZoneTable& zones);

}  // namespace zembrik
