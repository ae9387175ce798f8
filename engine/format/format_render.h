#pragma once
// Rendering a compiled segment for a moment: every token is replaced by its text. Called on every
// paint, so it writes into a caller-owned buffer and allocates only when that buffer must grow.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/format/calendar_time.h"
#include "engine/format/format_compile.h"
#include "engine/format/platform_state.h"
#include "engine/format/zone_table.h"

namespace zembrik {

class NameTables;

// Marks the local bias as not yet read from the system.
inline constexpr std::int32_t kLocalBiasUnknown = 7777777;

struct RenderMoment {
  CalendarTime utc;
  CalendarTime local;
};

// Caches valid for one paint (one moment). Reset before each paint.
class PaintCache {
 public:
  static constexpr int kZoneSlots = 8;

  std::int32_t localBias = kLocalBiasUnknown;  // minutes, UTC minus local time

  void reset() { *this = PaintCache{}; }

  // Internal to the renderer: the system's zone record and configured zones' times, each read
  // at most once per paint.
  const SystemZoneInfo& systemZone(SystemTimeZoneSource& source);
  const ZoneTime* findZoneTime(int index, const CalendarTime& utc) const;
  void storeZoneTime(int index, const CalendarTime& utc, const ZoneTime& time);

 private:
  struct ZoneSlot {
    int index = -1;
    CalendarTime utc;
    ZoneTime time;
  };
  bool systemZoneRead_ = false;
  SystemZoneInfo systemZone_;
  ZoneSlot zoneSlots_[kZoneSlots];
  int zoneSlotsUsed_ = 0;
};

// Where token texts come from. Every clock of a process shares one of each; tests build their own.
struct FormatEnvironment {
  const NameTables& names;
  ZoneTable& zones;
  SystemTimeZoneSource& systemZone;
  LockKeyStates& lockKeys;
};

// Which texts of the two-text tokens (`P`, `A`, `N`, `S`: AM or PM, a lock key on or off) a
// render asks for. Any other value renders as None.
enum class VariantRequest : int { None = 0, FirstText = 1, SecondText = 2 };

// Read and written by renderSegment; one per cell (the zone selector carries over to the cell's
// later segments).
struct SegmentState {
  // In: the texts asked for. Out: the request when such a token was rendered under it, else
  // None.
  VariantRequest variantRequest = VariantRequest::None;
  std::uint16_t zoneSelector = kZoneLocal;
  // Set (never cleared) when a lock-key token was rendered.
  bool lockKeysShown = false;
};

// Renders `segment` into `out` (cleared first; its capacity is reused). Returns true when a
// seconds token was rendered.
bool renderSegment(std::u16string_view segment, const RenderMoment& moment, PaintCache& cache,
                   SegmentState& state, const FormatEnvironment& env, std::u16string& out);

struct RenderedFormat {
  std::vector<std::u16string> segments;
  bool secondsShown = false;
  bool lockKeysShown = false;
  // The variant request written back by the last segment that had one.
  VariantRequest variantAnswered = VariantRequest::None;
};

// Renders every segment of a cell, starting at local time, with the given variant request.
void renderFormat(const CompiledFormat& compiled, const RenderMoment& moment, PaintCache& cache,
                  const FormatEnvironment& env, VariantRequest variantRequest, RenderedFormat& out);

}  // namespace zembrik
