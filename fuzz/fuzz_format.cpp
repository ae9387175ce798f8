// compileFormat followed by renderSegment on any text at any moment, and renderSegment on any
// segment that was never compiled. The moment's fields take every value, not only real dates.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/format/format_compile.h"
#include "engine/format/format_render.h"
#include "engine/names/name_tables.h"

using namespace zembrik;

namespace {

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint16_t u16() {
    std::uint16_t v = 0;
    if (pos_ + 2 <= size_)
      std::memcpy(&v, data_ + pos_, 2);
    pos_ += 2;
    return v;
  }
  std::uint8_t u8() { return pos_ < size_ ? data_[pos_++] : (pos_++, 0); }
  std::u16string rest() {
    if (pos_ >= size_)
      return {};
    std::u16string text((size_ - pos_) / 2, u'\0');
    if (!text.empty())
      std::memcpy(text.data(), data_ + pos_, text.size() * 2);
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

CalendarTime readTime(Reader& in) {
  CalendarTime t;
  t.year = in.u16();
  t.month = in.u16();
  t.dayOfWeek = in.u16();
  t.day = in.u16();
  t.hour = in.u16();
  t.minute = in.u16();
  t.second = in.u16();
  return t;
}

// Two zones; any other index is unknown to the table.
class TwoZones final : public ZoneTable {
 public:
  explicit TwoZones(const CalendarTime& local) : local_(local) {}
  int indexByKey(std::u16string_view key) const override {
    return key == u"A" ? 0 : key == u"B" ? 1 : -1;
  }
  bool zoneTime(int index, const CalendarTime&, ZoneTime& out) override {
    if (index != 0 && index != 1)
      return false;
    out = ZoneTime{local_, index == 0 ? -90 : 600};
    return true;
  }
  std::u16string_view abbreviation(int index, const CalendarTime&) override {
    return index == 0 ? u" a " : u"";
  }
  std::u16string_view name(int index, const CalendarTime&, ZoneNameForm) override {
    return index == 1 ? u"\x01\x20" : u"";
  }
  int utcIndex() const override { return 1; }
  int indexByStandardName(std::u16string_view name) const override {
    return name == u"Std" ? 0 : -1;
  }
  int localIndex() const override { return local; }
  void setLocalIndex(int index) override { local = index; }
  int local = -1;

 private:
  CalendarTime local_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in(data, size);
  std::uint8_t flags = in.u8();
  RenderMoment moment{readTime(in), readTime(in)};
  auto bias = static_cast<std::int16_t>(in.u16());
  std::u16string text = in.rest();

  NameTables names;
  if (flags & 0x40)
    names.setText(NameText::AM, std::u16string(1500, u'\x01'));
  TwoZones zones(moment.local);
  SystemZoneInfo info;
  info.bias = bias;
  info.daylightInForce = (flags & 0x20) != 0;
  info.setStandardName(u"Std");
  FixedSystemTimeZone systemZone(info);
  FixedLockKeyStates keys(flags & 1, flags & 2, flags & 4);
  FormatEnvironment env{names, zones, systemZone, keys};

  CompiledFormat compiled;
  bool cellMode = (flags & 8) != 0;
  bool split = compileFormat(text, compiled, cellMode, zones);
  if (compiled.empty() || compiled.size() > 3 || (split && !cellMode))
    std::abort();
  if (!split && compiled.size() != 1)
    std::abort();

  PaintCache cache;
  if (flags & 0x80)
    cache.localBias = bias;
  SegmentState state;
  std::u16string out;
  for (const auto& segment : compiled) {
    state.variantRequest = static_cast<VariantRequest>((flags >> 4) & 3);
    renderSegment(segment, moment, cache, state, env, out);
  }

  // The raw text as a segment: marks, codes and zone characters in any order.
  state = SegmentState{};
  renderSegment(text, moment, cache, state, env, out);
  return 0;
}
