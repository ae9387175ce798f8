#include "engine/meters/meter_values.h"

#include <string>

#include "engine/registry/registry_access.h"

namespace zembrik {

namespace {

// Walks a meter value; never reads past its end.
class ValueCursor {
 public:
  explicit ValueCursor(std::u16string_view text) noexcept : text_(text) {}

  bool atEnd() const noexcept { return pos_ >= text_.size(); }
  char16_t peek() const noexcept { return atEnd() ? u'\0' : text_[pos_]; }
  void advance() noexcept {
    if (!atEnd())
      ++pos_;
  }

  void skipSpaces() noexcept {
    while (peek() == u' ') ++pos_;
  }
  void skipSpacesAndSlashes() noexcept {
    while (peek() == u' ' || peek() == u'/') ++pos_;
  }
  void skipPastComma() noexcept {
    while (!atEnd() && text_[pos_++] != u',') {
    }
  }
  bool atEndOrComma() const noexcept { return atEnd() || peek() == u','; }

  // A signed decimal number, kept modulo 2^32 as the settings' "%u" and "%d" fields are 32-bit:
  // "4294967295" and "-1" both give 0xFFFFFFFF. No digits give 0.
  std::uint32_t readNumber() noexcept {
    bool negative = false;
    if (peek() == u'-' || peek() == u'+') {
      negative = peek() == u'-';
      advance();
    }
    std::uint32_t value = 0;
    while (peek() >= u'0' && peek() <= u'9') {
      value = value * 10u + static_cast<std::uint32_t>(peek() - u'0');
      advance();
    }
    return negative ? 0u - value : value;
  }

 private:
  std::u16string_view text_;
  std::size_t pos_ = 0;
};

std::optional<BarEdge> edgeFromLetter(char16_t letter) noexcept {
  switch (letter) {
    case u'L':
      return BarEdge::Left;
    case u'R':
      return BarEdge::Right;
    case u'U':
      return BarEdge::Top;
    case u'D':
      return BarEdge::Bottom;
    default:
      return std::nullopt;
  }
}

// Upper-cases the ASCII letter a meter value starts with and tells which case it had.
MeterLetter letterCase(char16_t& letter) noexcept {
  if (letter >= u'a' && letter <= u'z') {
    letter = static_cast<char16_t>(letter - u'a' + u'A');
    return MeterLetter::SwitchedOff;
  }
  return MeterLetter::Shown;
}

std::int8_t lowByte(std::uint32_t value) noexcept {
  return static_cast<std::int8_t>(static_cast<std::uint8_t>(value & 0xFFu));
}

BarSettings readBar(RegistryKey& set, std::u16string_view name) {
  auto text = readText(set, name);
  return text ? parseBarValue(*text) : BarSettings{};
}

GraphSettings readGraph(RegistryKey& set, std::u16string_view name) {
  auto text = readText(set, name);
  return text ? parseGraphValue(*text) : GraphSettings{};
}

void switchOff(MeterBlock& meter) noexcept {
  applyBarSettings(meter, BarSettings{});
  applyGraphSettings(meter, GraphSettings{});
}

}  // namespace

BarText parseBarText(std::u16string_view text) noexcept {
  BarText result;
  BarSettings& bar = result.bar;
  ValueCursor cursor(text);
  cursor.skipSpaces();
  char16_t letter = cursor.peek();
  const MeterLetter letterKind = letterCase(letter);
  auto edge = edgeFromLetter(letter);
  if (!edge)
    return result;
  result.letter = letterKind;
  bar.position = *edge;
  cursor.advance();

  cursor.skipSpaces();
  if (!cursor.atEndOrComma()) {
    bar.colour = cursor.readNumber();
    cursor.skipSpaces();
    if (cursor.peek() == u'/') {
      cursor.advance();
      cursor.skipSpaces();
      bar.chargeColour = cursor.readNumber();
    } else {
      bar.chargeColour = bar.colour;
    }
  }
  cursor.skipPastComma();

  cursor.skipSpaces();
  if (!cursor.atEndOrComma())
    bar.width = lowByte(cursor.readNumber());
  cursor.skipPastComma();

  cursor.skipSpaces();
  if (!cursor.atEnd())
    bar.space = lowByte(cursor.readNumber());
  return result;
}

GraphText parseGraphText(std::u16string_view text) noexcept {
  GraphText result;
  GraphSettings& graph = result.graph;
  ValueCursor cursor(text);
  cursor.skipSpaces();
  char16_t letter = cursor.peek();
  const MeterLetter letterKind = letterCase(letter);
  if (letter != u'G')
    return result;
  result.letter = letterKind;
  graph.on = letterKind == MeterLetter::Shown;
  cursor.advance();

  cursor.skipSpaces();
  if (!cursor.atEnd())
    graph.colour = cursor.readNumber();
  cursor.skipSpacesAndSlashes();
  graph.chargeColour = cursor.atEnd() ? graph.colour : cursor.readNumber();
  return result;
}

BarSettings parseBarValue(std::u16string_view text) noexcept {
  const BarText parsed = parseBarText(text);
  return parsed.letter == MeterLetter::Shown ? parsed.bar : BarSettings{};
}

GraphSettings parseGraphValue(std::u16string_view text) noexcept {
  const GraphText parsed = parseGraphText(text);
  return parsed.letter == MeterLetter::Shown ? parsed.graph : GraphSettings{};
}

MainsMode parseMainsMode(std::optional<std::u16string_view> text) noexcept {
  if (!text || text->empty())
    return MainsMode::ShownWhileCharging;
  switch ((*text)[0]) {
    case u'A':
      return MainsMode::ShownOnMains;
    case u'C':
      return MainsMode::ShownWhileCharging;
    default:
      return MainsMode::HiddenOnMains;
  }
}

void applyBarSettings(MeterBlock& meter, const BarSettings& bar) noexcept {
  meter.barColour = bar.colour;
  meter.barChargeColour = bar.chargeColour;
  meter.position = bar.position;
  meter.barWidth = bar.width;
  meter.space = bar.space;
}

void applyGraphSettings(MeterBlock& meter, const GraphSettings& graph) noexcept {
  meter.graphOn = graph.on;
  meter.graphColour = graph.colour;
  meter.graphChargeColour = graph.chargeColour;
}

void readMeterSettings(ClockMeters& meters, RegistryKey& set, bool faceHasRows,
                       MainsMode& mainsMode) {
  if (!faceHasRows) {
    switchOff(meters.memory);
    switchOff(meters.cpu);
    switchOff(meters.battery);
    return;
  }
  applyBarSettings(meters.memory, readBar(set, u"memLoad"));
  applyBarSettings(meters.cpu, readBar(set, u"cpuLoad"));
  applyBarSettings(meters.battery, readBar(set, u"btrLoad"));
  applyGraphSettings(meters.memory, readGraph(set, u"memGraf"));
  applyGraphSettings(meters.cpu, readGraph(set, u"cpuGraf"));
  applyGraphSettings(meters.battery, readGraph(set, u"btrGraf"));

  auto onMains = readText(set, u"btrOnAC");
  mainsMode = parseMainsMode(onMains ? std::optional<std::u16string_view>(*onMains) : std::nullopt);
}

}  // namespace zembrik
