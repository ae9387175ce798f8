#pragma once
// A meter's history: the ring of samples, the graph points made from it and the bar length.
// Fixed arrays only; nothing here allocates.
#include "engine/meters/meter_block.h"

namespace zembrik {

// Sets the bar length for `percent` of the area (height for a left or right bar, width for a
// top or bottom bar). Returns true when the length changed.
bool updateBarLength(MeterBlock& meter, int percent, const MeterArea& area) noexcept;

// Stores `percent` in the ring and, while the graph is on, moves the graph on by one point:
// a graph narrower than the area grows to the left, a full one shifts its values left.
void addSample(MeterBlock& meter, int percent, const MeterArea& area) noexcept;

// Makes the graph again from the stored samples for a new area, newest point at the right
// edge. Samples never written count as 0 percent.
void rebuildGraph(MeterBlock& meter, const MeterArea& area) noexcept;

// Remembers `area` and rebuilds every graph that is on (the painter calls it when the clock's
// client size changed).
void rebuildGraphs(ClockMeters& meters, const MeterArea& area) noexcept;

}  // namespace zembrik
