#pragma once
// The per-tick sampling of a clock's meters.
#include <cstdint>

#include "engine/meters/alarm_display.h"
#include "engine/meters/meter_block.h"
#include "engine/meters/meter_process_state.h"
#include "engine/meters/system_load.h"

namespace zembrik {

// What sampling shares with the other clocks of the process.
struct MeterSources {
  SystemLoad& system;
  MeterProcessState& process;
  AlarmNames& alarmNames;
};

// The clock's own state that the battery alarm touches.
struct BatteryAlarmState {
  AlarmDisplay& alarms;
  int threshold = 0;  // "btrAlarm"; 0: no battery alarm
  bool& repaintEveryTick;
};

// Samples memory (when its bar or graph is on), CPU (always, keeping the shared previous
// times current) and battery (when its bar or graph is on or the battery alarm is in play).
// Returns `repaintWanted`, raised when a bar length changed or a shown graph moved. Allocates
// nothing unless the battery alarm starts or stops.
bool sampleMeters(ClockMeters& meters, BatteryAlarmState battery, const MeterSources& sources,
                  bool repaintWanted);

// The CPU load in percent over the time between two GetSystemTimes readings, or -1 when
// there is no earlier reading or no time has passed.
int cpuLoadPercent(std::uint64_t previousTotal, std::uint64_t previousIdle, std::uint64_t total,
                   std::uint64_t idle) noexcept;

}  // namespace zembrik
