#pragma once
// The configuration of one attached clock that the settings loader builds: the portable part of
// the clock's instance. Platform handles appear only as opaque numbers.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/meters/meter_block.h"
#include "engine/settings/cell_config.h"

namespace zembrik {

// A window handle as a number. `bits` is the handle width of the build (32 or 64): a 32-bit
// build reports the high half as 0 whatever the number holds.
struct WindowId {
  std::uint64_t value = 0;
  unsigned bits = 64;

  std::uint32_t low() const noexcept { return static_cast<std::uint32_t>(value); }
  std::uint32_t high() const noexcept {
    return bits > 32 ? static_cast<std::uint32_t>(value >> 32) : 0;
  }
};

// Where the clock is, filled in by the code that attaches it before every load.
struct ClockPlacement {
  bool vertical = false;
  int index = 0;  // secondary clock number n; 0 for the main taskbar's clock
  WindowId window;
  int dpi = 0;           // for fonts; 0: the window's device resolution
  int windowHeight = 0;  // picks the horizontal default face
  bool themeActive = false;
};

struct FaceMargins {
  int top = 0;
  int bottom = 0;
  int left = 0;
  int right = 0;

  bool operator==(const FaceMargins&) const = default;
};

// The painter's per-column state.
struct ColumnMetrics {
  int width = 0;
  int height = 0;
  int extraWidth = 0;
};

struct ClockConfig {
  ClockPlacement placement;

  FaceMargins margins;
  std::uint32_t separator = 0;  // see face_separator.h
  bool flatTray = false;

  // Row-major: cell (row, column) is at column + columns * row; null is an empty slot.
  std::vector<std::unique_ptr<CellConfig>> cells;
  int columns = 1;
  int rows = 0;
  int ownColumns = 1;  // before add-on faces were merged
  std::vector<ColumnMetrics> columnMetrics;

  ClockMeters meters;  // kept across loads: a load replaces their settings, not their history
  std::uint32_t batteryAlarmThreshold = 0;
  std::uint32_t hideShowDesktop = 0;
  std::u16string tooltipFormat;  // compiled; empty: no tooltip of our own
  bool refreshEverySecond = false;

  // Null for an empty slot or a position outside the grid.
  CellConfig* cellAt(int row, int column) const noexcept {
    if (row < 0 || column < 0 || column >= columns)
      return nullptr;
    auto index = static_cast<std::size_t>(column) + static_cast<std::size_t>(columns) * row;
    return index < cells.size() ? cells[index].get() : nullptr;
  }
};

}  // namespace zembrik
