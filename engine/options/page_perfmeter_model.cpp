#include "engine/options/page_perfmeter_model.h"

#include "engine/meters/meter_values.h"
#include "engine/registry/registry_access.h"

namespace zembrik {

namespace {

struct MeterDefaults {
  std::uint32_t colour;
  std::uint32_t chargeColour;
};

constexpr MeterDefaults kDefaults[kMeterCount] = {
    {0xFF0000u, 0xFF0000u},  // memory
    {0x00FF00u, 0x00FF00u},  // CPU
    {0x00FFFFu, 0x0000FFu},  // battery
};

constexpr std::u16string_view kMeterValueNames[kMeterCount] = {u"memLoad", u"cpuLoad", u"btrLoad"};
constexpr std::u16string_view kGraphValueNames[kMeterCount] = {u"memGraf", u"cpuGraf", u"btrGraf"};
constexpr char16_t kPositionLetters[] = u"LRUD";

std::size_t index(Meter meter) noexcept {
  return static_cast<std::size_t>(meter);
}

MeterState defaultMeter(Meter meter) noexcept {
  const MeterDefaults& d = kDefaults[index(meter)];
  return {false, 3, d.colour, d.chargeColour, 2, 0};
}

GraphState defaultGraph(Meter meter) noexcept {
  const MeterDefaults& d = kDefaults[index(meter)];
  return {false, d.colour, d.chargeColour};
}

char16_t lowerCase(char16_t letter) noexcept {
  return static_cast<char16_t>(letter - u'A' + u'a');
}

}  // namespace

MeterState meterStateFromStored(Meter meter, const std::optional<std::u16string>& stored) {
  if (!stored)
    return defaultMeter(meter);
  // The clock's own parser, so that the page shows what the clock draws; a switched-off meter
  // keeps its position and colours.
  const BarText parsed = parseBarText(*stored);
  MeterState state;
  state.shown = parsed.letter == MeterLetter::Shown;
  state.position = static_cast<int>(parsed.bar.position);
  state.colour = parsed.bar.colour;
  state.chargeColour = parsed.bar.chargeColour;
  state.size = static_cast<std::uint8_t>(parsed.bar.width);
  state.space = parsed.bar.space;
  if (meter != Meter::Battery && state.size == 0) {
    const bool shown = state.shown;
    state = defaultMeter(meter);
    state.shown = shown;
  }
  return state;
}

GraphState graphStateFromStored(Meter meter, const std::optional<std::u16string>& stored) {
  if (!stored)
    return defaultGraph(meter);
  const GraphText parsed = parseGraphText(*stored);
  if (parsed.letter == MeterLetter::Other)
    return defaultGraph(meter);
  return {parsed.letter == MeterLetter::Shown, parsed.graph.colour, parsed.graph.chargeColour};
}

MainsBoxes mainsBoxesFromStored(const std::optional<std::u16string>& stored) {
  if (!stored || stored->empty())
    return {false, true};
  switch (stored->front()) {
    case u'A':
      return {false, false};
    case u'C':
      return {false, true};
    default:
      return {true, true};
  }
}

std::u16string meterText(Meter meter, const MeterState& state) {
  const char16_t upper = kPositionLetters[state.position & 3];
  std::u16string text(1, state.shown ? upper : lowerCase(upper));
  text += unsignedText(state.colour);
  if (meter == Meter::Battery)
    text += u"/" + unsignedText(state.chargeColour);
  text += u"," + unsignedText(static_cast<std::uint8_t>(state.size));
  text += u"," + signedText(state.space);
  return text;
}

std::u16string graphText(Meter meter, const GraphState& state) {
  std::u16string text(1, state.shown ? u'G' : u'g');
  text += unsignedText(state.colour);
  if (meter == Meter::Battery)
    text += u"/" + unsignedText(state.chargeColour);
  return text;
}

std::u16string_view mainsText(const MainsBoxes& boxes) {
  if (boxes.hideOnMains)
    return u" ";
  return boxes.onlyWhileCharging ? u"C" : u"A";
}

PerfMeterPageModel::PerfMeterPageModel(FormPageServices& services) : services_(services) {
  for (int m = 0; m < kMeterCount; ++m) {
    state_.meters[static_cast<std::size_t>(m)] = defaultMeter(static_cast<Meter>(m));
    state_.graphs[static_cast<std::size_t>(m)] = defaultGraph(static_cast<Meter>(m));
  }
}

void PerfMeterPageModel::loadClockSet() {
  if (RegistryKey* settings = services_.settingsKey()) {
    const auto alarm = readNumber(*settings, u"btrAlarm").value_or(0);
    state_.batteryAlarm = alarm > 100u ? 100 : static_cast<int>(alarm);
  }
  RegistryKey* set = services_.setKeyForReading();
  for (int m = 0; m < kMeterCount; ++m) {
    const auto meterId = static_cast<Meter>(m);
    std::optional<std::u16string> bar, graphValue;
    if (set) {
      bar = readText(*set, kMeterValueNames[index(meterId)]);
      graphValue = readText(*set, kGraphValueNames[index(meterId)]);
    }
    meter(meterId) = meterStateFromStored(meterId, bar);
    graph(meterId) = graphStateFromStored(meterId, graphValue);
  }
  state_.mains = mainsBoxesFromStored(set ? readText(*set, u"btrOnAC") : std::nullopt);
  loaded_ = true;
}

void PerfMeterPageModel::writeMeter(Meter m) {
  if (services_.writeSetText(kMeterValueNames[index(m)], meterText(m, meter(m))))
    services_.notifyClock(NotifyScope::SelectedClock);
}

void PerfMeterPageModel::writeGraph(Meter m) {
  if (services_.writeSetText(kGraphValueNames[index(m)], graphText(m, graph(m))))
    services_.notifyClock(NotifyScope::SelectedClock);
}

void PerfMeterPageModel::setShown(Meter m, bool shown) {
  if (!loaded_)
    return;
  meter(m).shown = shown;
  writeMeter(m);
}

void PerfMeterPageModel::setPosition(Meter m, int position) {
  if (!loaded_ || position < 0 || position > 3)
    return;
  meter(m).position = position;
  writeMeter(m);
}

void PerfMeterPageModel::setSize(Meter m, std::int64_t size) {
  if (!loaded_ || !kMeterSizeRange.contains(size))
    return;
  meter(m).size = static_cast<int>(size);
  writeMeter(m);
}

void PerfMeterPageModel::setSpace(Meter m, std::int64_t space) {
  if (!loaded_ || !kMeterSpaceRange.contains(space))
    return;
  meter(m).space = static_cast<int>(space);
  writeMeter(m);
}

void PerfMeterPageModel::setColour(Meter m, std::uint32_t colour) {
  if (!loaded_)
    return;
  meter(m).colour = colour;
  writeMeter(m);
}

void PerfMeterPageModel::setChargeColour(std::uint32_t colour) {
  if (!loaded_)
    return;
  meter(Meter::Battery).chargeColour = colour;
  writeMeter(Meter::Battery);
}

void PerfMeterPageModel::setGraphShown(Meter m, bool shown) {
  if (!loaded_)
    return;
  graph(m).shown = shown;
  writeGraph(m);
}

void PerfMeterPageModel::setGraphColour(Meter m, std::uint32_t colour) {
  if (!loaded_)
    return;
  graph(m).colour = colour;
  writeGraph(m);
}

void PerfMeterPageModel::setGraphChargeColour(std::uint32_t colour) {
  if (!loaded_)
    return;
  graph(Meter::Battery).chargeColour = colour;
  writeGraph(Meter::Battery);
}

void PerfMeterPageModel::setMainsBoxes(bool hideOnMains, bool onlyWhileCharging) {
  if (!loaded_)
    return;
  state_.mains = {hideOnMains, onlyWhileCharging};
  if (services_.writeSetText(u"btrOnAC", mainsText(state_.mains)))
    services_.notifyClock(NotifyScope::SelectedClock);
}

void PerfMeterPageModel::setBatteryAlarm(std::int64_t percent) {
  if (!loaded_ || !kBatteryAlarmRange.contains(percent))
    return;
  state_.batteryAlarm = static_cast<int>(percent);
  RegistryKey* settings = services_.settingsKey();
  if (!settings)
    return;
  writeNumber(*settings, u"btrAlarm", static_cast<std::uint32_t>(percent));
  services_.notifyClock(NotifyScope::SelectedClock);
}

}  // namespace zembrik
