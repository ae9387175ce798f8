#pragma once
// The PerfMeter page's state and its registry reads and writes: the memory, CPU and battery
// meters of the selected clock set and their graphs, when the battery meter shows on mains
// power, and the battery alarm threshold.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/options/form_binding.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

enum class Meter : int { Memory = 0, Cpu = 1, Battery = 2 };
inline constexpr int kMeterCount = 3;

// Ranges of the numeric fields. The clock keeps sizes in one byte, and the page writes sizes
// up to 99 only, so that is what the field offers.
inline constexpr NumberRange kMeterSizeRange{0, 99};
inline constexpr NumberRange kMeterSpaceRange{-127, 127};
inline constexpr NumberRange kBatteryAlarmRange{0, 100};

// The position list, in the order of its indexes (the stored letters are "LRUD").
inline constexpr std::u16string_view kMeterPositions[] = {u"Left", u"Right", u"Up", u"Down"};

struct MeterState {
  bool shown = false;
  int position = 3;  // 0 Left, 1 Right, 2 Up, 3 Down
  std::uint32_t colour = 0;
  std::uint32_t chargeColour = 0;  // battery only
  int size = 2;                    // 0..255
  int space = 0;                   // -128..127

  bool operator==(const MeterState&) const = default;
};

struct GraphState {
  bool shown = false;
  std::uint32_t colour = 0;
  std::uint32_t chargeColour = 0;  // battery only

  bool operator==(const GraphState&) const = default;
};

// The two mains-power boxes: "Do not show on AC power" and "Show only when charging".
struct MainsBoxes {
  bool hideOnMains = false;
  bool onlyWhileCharging = true;
  bool onlyWhileChargingEnabled() const noexcept { return !hideOnMains; }

  bool operator==(const MainsBoxes&) const = default;
};

struct PerfMeterPageState {
  std::array<MeterState, kMeterCount> meters;
  std::array<GraphState, kMeterCount> graphs;
  MainsBoxes mains;
  int batteryAlarm = 0;
};

// What a meter or graph value shows, with the defaults of its row for a missing value.
MeterState meterStateFromStored(Meter meter, const std::optional<std::u16string>& stored);
GraphState graphStateFromStored(Meter meter, const std::optional<std::u16string>& stored);
MainsBoxes mainsBoxesFromStored(const std::optional<std::u16string>& stored);

// The texts the page writes: "%c%u,%u,%d" ("%c%u/%u,%u,%d" for the battery) and "%c%u"
// ("%c%u/%u"), upper-case letters for what is shown.
std::u16string meterText(Meter meter, const MeterState& state);
std::u16string graphText(Meter meter, const GraphState& state);
// " " when hidden on mains power, else "C" while charging only, else "A".
std::u16string_view mainsText(const MainsBoxes& boxes);

class PerfMeterPageModel {
 public:
  explicit PerfMeterPageModel(FormPageServices& services);

  // After the framework selected a set (the first time and at every change).
  void loadClockSet();
  const PerfMeterPageState& state() const noexcept { return state_; }

  void setShown(Meter meter, bool shown);
  void setPosition(Meter meter, int position);
  // Numbers already checked against their ranges by the page; others are ignored.
  void setSize(Meter meter, std::int64_t size);
  void setSpace(Meter meter, std::int64_t space);
  void setColour(Meter meter, std::uint32_t colour);
  void setChargeColour(std::uint32_t colour);
  void setGraphShown(Meter meter, bool shown);
  void setGraphColour(Meter meter, std::uint32_t colour);
  void setGraphChargeColour(std::uint32_t colour);
  void setMainsBoxes(bool hideOnMains, bool onlyWhileCharging);
  void setBatteryAlarm(std::int64_t percent);

 private:
  void writeMeter(Meter meter);
  void writeGraph(Meter meter);
  MeterState& meter(Meter m) { return state_.meters[static_cast<std::size_t>(m)]; }
  GraphState& graph(Meter m) { return state_.graphs[static_cast<std::size_t>(m)]; }

  FormPageServices& services_;
  PerfMeterPageState state_;
  bool loaded_ = false;  // handlers do nothing before the first set was read
};

}  // namespace zembrik
