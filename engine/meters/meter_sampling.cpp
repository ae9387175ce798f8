#include "engine/meters/meter_sampling.h"

#include "engine/meters/meter_history.h"

namespace zembrik {

namespace {

bool sampleMemory(ClockMeters& meters, SystemLoad& system, bool repaintWanted) {
  MeterBlock& meter = meters.memory;
  if (!meter.barOn() && !meter.graphOn)
    return repaintWanted;
  auto load = system.memoryLoad();
  if (!load)
    return repaintWanted;
  int percent = static_cast<int>(*load & 0x7Fu);
  if (meter.barOn() && updateBarLength(meter, percent, meters.area))
    repaintWanted = true;
  addSample(meter, percent, meters.area);
  return repaintWanted || meter.graphOn;
}

bool sampleCpu(ClockMeters& meters, SystemLoad& system, MeterProcessState& process,
               bool repaintWanted) {
  auto times = system.systemTimes();
  if (!times)
    return repaintWanted;
  MeterBlock& meter = meters.cpu;
  std::uint64_t total = times->kernel + times->user;
  int load = cpuLoadPercent(process.previousCpuTotal, process.previousCpuIdle, total, times->idle);
  process.previousCpuTotal = total;
  process.previousCpuIdle = times->idle;
  if (load < 0)
    return repaintWanted;
  if (meter.barOn() && updateBarLength(meter, load, meters.area))
    repaintWanted = true;
  addSample(meter, load, meters.area);
  return repaintWanted || meter.graphOn;
}

bool hiddenOnMains(MainsMode mode, const PowerStatus& power) noexcept {
  if (power.acLineStatus != kOnMainsPower)
    return false;
  return mode == MainsMode::HiddenOnMains ||
         (mode == MainsMode::ShownWhileCharging && !(power.batteryFlag & kBatteryCharging));
}

bool sampleBattery(ClockMeters& meters, BatteryAlarmState& alarm, const MeterSources& sources,
                   bool repaintWanted) {
  MeterBlock& meter = meters.battery;
  bool alarmInPlay = alarm.threshold != 0 || alarm.alarms.batteryAlarmActive();
  if (!meter.barOn() && !meter.graphOn && !alarmInPlay)
    return repaintWanted;

  auto checkAlarm = [&](int percent) {
    alarm.alarms.checkBattery(percent, alarm.threshold, sources.alarmNames, alarm.repaintEveryTick);
  };
  if (alarm.threshold == 0 && alarm.alarms.batteryAlarmActive())
    checkAlarm(-1);

  int percent = 0;
  auto power = sources.system.powerStatus();
  if (power && !(power->batteryFlag & kNoSystemBattery)) {
    percent = static_cast<std::int8_t>(power->batteryLifePercent);
    checkAlarm(power->acLineStatus == kOnMainsPower ? -1 : percent);
    meter.hidden = hiddenOnMains(sources.process.mainsMode, *power);
    meter.charging = (power->batteryFlag & kBatteryCharging) != 0;
  } else {
    // No battery, or its state is unknown: the meter stays off until the next settings load.
    meter.hidden = true;
    meter.barWidth = 0;
    meter.graphOn = false;
    checkAlarm(-1);
  }

  if (meter.barOn() && !meter.hidden && updateBarLength(meter, percent, meters.area))
    repaintWanted = true;
  addSample(meter, percent, meters.area);
  return repaintWanted || (meter.graphOn && !meter.hidden);
}

}  // namespace

int cpuLoadPercent(std::uint64_t previousTotal, std::uint64_t previousIdle, std::uint64_t total,
                   std::uint64_t idle) noexcept {
  if (previousTotal == 0 || previousIdle == 0)
    return -1;
  // Counters that went backwards (or stood still) give no load for this interval.
  if (total <= previousTotal || idle < previousIdle)
    return -1;
  std::uint64_t elapsed = total - previousTotal;
  std::uint64_t idled = idle - previousIdle;
  if (idled >= elapsed)
    return 0;
  // Keep idled * 100 in range; only a wild jump of the counters gets here.
  while (idled > UINT64_MAX / 100) {
    idled >>= 1;
    elapsed >>= 1;
  }
  // The idle share in percent, rounded with halves going down.
  std::uint64_t half = elapsed / 2;
  std::uint64_t idlePercent = (idled * 100 + (half == 0 ? 0 : half - 1)) / elapsed;
  return idlePercent >= 100 ? 0 : static_cast<int>(100 - idlePercent);
}

bool sampleMeters(ClockMeters& meters, BatteryAlarmState battery, const MeterSources& sources,
                  bool repaintWanted) {
  repaintWanted = sampleMemory(meters, sources.system, repaintWanted);
  repaintWanted = sampleCpu(meters, sources.system, sources.process, repaintWanted);
  return sampleBattery(meters, battery, sources, repaintWanted);
}

}  // namespace zembrik
