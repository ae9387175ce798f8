#include "format/format_render.h"

#include "names/name_tables.h"

namespace zembrik {

const SystemZoneInfo& PaintCache::systemZone(SystemTimeZoneSource& source) {
  if (!systemZoneRead_) {
    if (!source.read(systemZone_))
      systemZone_ = SystemZoneInfo{};
    systemZoneRead_ = true;
  }
  return systemZone_;
}

const ZoneTime* PaintCache::findZoneTime(int index, const CalendarTime& utc) const {
  for (int i = 0; i < zoneSlotsUsed_; ++i) {
    if (zoneSlots_[i].index == index && zoneSlots_[i].utc == utc)
      return &zoneSlots_[i].time;
  }
  return nullptr;
}

void PaintCache::storeZoneTime(int index, const CalendarTime& utc, const ZoneTime& time) {
  if (zoneSlotsUsed_ < kZoneSlots)
    zoneSlots_[zoneSlotsUsed_++] = ZoneSlot{index, utc, time};
}

bool renderSegment(std::u16string_view segment, const RenderMoment&, PaintCache&, SegmentState&,
                   const FormatEnvironment&, std::u16string& out) {
  out.assign(segment);
  return false;
}

void renderFormat(const CompiledFormat& compiled, const RenderMoment& moment, PaintCache& cache,
                  const FormatEnvironment& env, int variantRequest, RenderedFormat& out) {
  out.segments.resize(compiled.size());
  out.secondsShown = false;
  out.lockKeysShown = false;
  out.variantAnswered = 0;
  SegmentState state;
  for (std::size_t i = 0; i < compiled.size(); ++i) {
    state.variantRequest = variantRequest;
    if (renderSegment(compiled[i], moment, cache, state, env, out.segments[i])) {
      out.secondsShown = true;
    }
    if (state.variantRequest != 0)
      out.variantAnswered = state.variantRequest;
  }
  out.lockKeysShown = state.lockKeysShown;
}

}  // namespace zembrik
