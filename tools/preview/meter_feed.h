#pragma once
// Readings fed to a face's meters by zembrik-preview, so that bars and graphs can be seen
// without waiting for the real system: "--feed 30:20,35:60:80" is two ticks of memory load,
// CPU load and, optionally, battery charge on battery power, in percent.
#include <optional>
#include <string_view>
#include <vector>

#include "engine/settings/clock_config.h"

namespace zembrik {

struct MeterReading {
  int memory = 0;
  int cpu = 0;
  int battery = -1;  // -1: no battery
};

// Nothing when the text is not a comma-separated list of "M:C" or "M:C:B" with percentages.
std::optional<std::vector<MeterReading>> parseMeterFeed(std::wstring_view text);

// Runs one meter tick per reading on the clock's meters, as the clock's timer would; the CPU
// counters start as if a tick had already been taken, so every reading gives a CPU sample.
void feedMeters(ClockConfig& clock, const std::vector<MeterReading>& readings);

}  // namespace zembrik
