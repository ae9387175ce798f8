#include "tools/preview/meter_feed.h"

#include "engine/meters/meter_sampling.h"

namespace zembrik {

namespace {

// Gives each reading in turn; the CPU counters move by one second at the reading's load.
class FedSystemLoad final : public SystemLoad {
 public:
  static constexpr std::uint64_t kSecond = 10'000'000;

  MeterReading reading;
  CpuTimes counters{kSecond * 1000, kSecond * 2000, kSecond * 500};

  void advance() {
    std::uint64_t idle = kSecond * static_cast<std::uint64_t>(100 - reading.cpu) / 100;
    counters.idle += idle;
    counters.kernel += idle;
    counters.user += kSecond - idle;
  }
  std::optional<std::uint32_t> memoryLoad() override {
    return static_cast<std::uint32_t>(reading.memory);
  }
  std::optional<CpuTimes> systemTimes() override { return counters; }
  std::optional<PowerStatus> powerStatus() override {
    if (reading.battery < 0)
      return PowerStatus{};  // no system battery
    return PowerStatus{0, 0, static_cast<std::uint8_t>(reading.battery)};
  }
};

class NoAlarmNames final : public AlarmNames {
 public:
  std::u16string nameOf(std::int32_t) override { return {}; }
};

std::optional<int> percent(std::wstring_view text) {
  if (text.empty() || text.size() > 3)
    return std::nullopt;
  int value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9')
      return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  return value <= 100 ? std::optional<int>(value) : std::nullopt;
}

std::optional<MeterReading> parseReading(std::wstring_view text) {
  int fields[3] = {0, 0, -1};
  int count = 0;
  for (bool more = true; more;) {
    std::size_t colon = text.find(L':');
    auto value = percent(text.substr(0, colon));
    if (!value || count == 3)
      return std::nullopt;
    fields[count++] = *value;
    more = colon != std::wstring_view::npos;
    if (more)
      text.remove_prefix(colon + 1);
  }
  if (count < 2)
    return std::nullopt;
  return MeterReading{fields[0], fields[1], fields[2]};
}

}  // namespace

std::optional<std::vector<MeterReading>> parseMeterFeed(std::wstring_view text) {
  std::vector<MeterReading> readings;
  while (true) {
    std::size_t comma = text.find(L',');
    auto reading = parseReading(text.substr(0, comma));
    if (!reading)
      return std::nullopt;
    readings.push_back(*reading);
    if (comma == std::wstring_view::npos)
      return readings;
    text.remove_prefix(comma + 1);
  }
}

void feedMeters(ClockConfig& clock, const std::vector<MeterReading>& readings) {
  FedSystemLoad system;
  MeterProcessState process;
  process.previousCpuTotal = system.counters.kernel + system.counters.user;
  process.previousCpuIdle = system.counters.idle;
  NoAlarmNames names;
  AlarmDisplay alarms;
  bool repaintEveryTick = false;
  const MeterSources sources{system, process, names};
  for (const MeterReading& reading : readings) {
    system.reading = reading;
    system.advance();
    sampleMeters(clock.meters,
                 {alarms, static_cast<int>(clock.batteryAlarmThreshold), repaintEveryTick}, sources,
                 false);
  }
}

}  // namespace zembrik
