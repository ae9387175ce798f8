#pragma once
// A format environment with fixed names, keys, system zone and a small zone table, so rendering
// runs without the platform.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/format/format_compile.h"
#include "engine/format/format_render.h"
#include "engine/names/name_tables.h"

namespace zembrik::testing {

// A date with its day of week filled in (Sakamoto's method).
inline CalendarTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int y = month < 3 ? year - 1 : year;
  int dayOfWeek = (y + y / 4 - y / 100 + y / 400 + kOffsets[month - 1] + day) % 7;
  auto u16 = [](int v) { return static_cast<std::uint16_t>(v); };
  return CalendarTime{u16(year), u16(month),  u16(dayOfWeek), u16(day),
                      u16(hour), u16(minute), u16(second),    0};
}

struct FakeZone {
  std::u16string key = {};
  std::u16string abbreviation = {};
  std::u16string name = {};
  std::u16string specialName = {};
  std::u16string standardName = {};
  CalendarTime local = {};
  std::int32_t bias = 0;
};

class FakeZoneTable final : public ZoneTable {
 public:
  std::vector<FakeZone> zones;
  int utc = -1;
  int local = -1;
  int zoneTimeCalls = 0;

  int indexByKey(std::u16string_view key) const override {
    for (std::size_t i = 0; i < zones.size(); ++i) {
      if (zones[i].key == key)
        return static_cast<int>(i);
    }
    return -1;
  }
  bool zoneTime(int index, const CalendarTime&, ZoneTime& out) override {
    ++zoneTimeCalls;
    if (!valid(index))
      return false;
    out = ZoneTime{zones[index].local, zones[index].bias};
    return true;
  }
  std::u16string_view abbreviation(int index, const CalendarTime&) override {
    return valid(index) ? std::u16string_view(zones[index].abbreviation) : u"";
  }
  std::u16string_view name(int index, const CalendarTime&, ZoneNameForm form) override {
    if (!valid(index))
      return {};
    return form == ZoneNameForm::Plain ? zones[index].name : zones[index].specialName;
  }
  int utcIndex() const override { return utc; }
  int indexByStandardName(std::u16string_view standardName) const override {
    for (std::size_t i = 0; i < zones.size(); ++i) {
      if (zones[i].standardName == standardName)
        return static_cast<int>(i);
    }
    return -1;
  }
  int localIndex() const override { return local; }
  void setLocalIndex(int index) override { local = index; }

 private:
  bool valid(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < zones.size();
  }
};

// Default texts, English locale names, no configured zones, Caps on and Num and Scroll off, and
// a system zone one hour east of UTC without daylight saving.
struct FormatFixture {
  NameTables names;
  FakeZoneTable zones;
  SystemZoneInfo systemInfo = [] {
    SystemZoneInfo info;
    info.bias = -60;
    info.daylightBias = -60;
    info.setStandardName(u"W. Europe Standard Time");
    info.setDaylightName(u"W. Europe Daylight Time");
    return info;
  }();
  FixedSystemTimeZone systemZone{systemInfo};
  FixedLockKeyStates lockKeys{true, false, false};
  RenderMoment moment{at(2026, 3, 1, 13, 5, 9), at(2026, 3, 1, 14, 5, 9)};
  PaintCache cache;

  FormatEnvironment env() { return FormatEnvironment{names, zones, systemZone, lockKeys}; }

  void setSystemZone(const SystemZoneInfo& info) {
    systemInfo = info;
    systemZone = FixedSystemTimeZone{info};
  }

  CompiledFormat compile(std::u16string_view text, bool cellMode = false) {
    CompiledFormat compiled;
    compileFormat(text, compiled, cellMode, zones);
    return compiled;
  }

  // Renders every segment of the format (cell mode off: one segment) with a fresh paint cache.
  std::u16string render(std::u16string_view text, bool cellMode = false) {
    cache.reset();
    RenderedFormat rendered;
    auto environment = env();
    renderFormat(compile(text, cellMode), moment, cache, environment, VariantRequest::None,
                 rendered);
    std::u16string joined;
    for (std::size_t i = 0; i < rendered.segments.size(); ++i) {
      if (i > 0)
        joined += u'|';
      joined += rendered.segments[i];
    }
    return joined;
  }
};

// For SCOPED_TRACE.
inline std::string show(std::u16string_view text) {
  return ::testing::PrintToString(std::u16string(text));
}

}  // namespace zembrik::testing
