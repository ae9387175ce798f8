#include "engine/meters/meter_look.h"

#include <algorithm>

namespace zembrik {

void MeterLook::take(OneMeter& look, const MeterBlock& meter) noexcept {
  look.barLength = meter.barLength;
  look.hidden = meter.hidden;
  look.charging = meter.charging;
  look.graphOn = meter.graphOn;
  look.pointCount = meter.graphOn ? std::clamp(meter.pointCount, 0, kMeterHistory) : 0;
  std::copy_n(meter.points.begin(), look.pointCount, look.points.begin());
}

bool MeterLook::differs(const OneMeter& look, const MeterBlock& meter) noexcept {
  if (look.barLength != meter.barLength || look.hidden != meter.hidden ||
      look.charging != meter.charging || look.graphOn != meter.graphOn)
    return true;
  if (!meter.graphOn)
    return false;
  if (look.pointCount != meter.pointCount)
    return true;
  return !std::equal(look.points.begin(), look.points.begin() + look.pointCount,
                     meter.points.begin());
}

void MeterLook::take(const ClockMeters& meters) noexcept {
  take(meters_[0], meters.memory);
  take(meters_[1], meters.cpu);
  take(meters_[2], meters.battery);
}

bool MeterLook::differs(const ClockMeters& meters) const noexcept {
  return differs(meters_[0], meters.memory) || differs(meters_[1], meters.cpu) ||
         differs(meters_[2], meters.battery);
}

}  // namespace zembrik
