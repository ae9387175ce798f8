#pragma once
// A monitor source whose monitor, device id and DPIs the test sets; records what was asked.
#include <optional>
#include <string>

#include "engine/settings/monitor_source.h"

namespace zembrik::testing {

class FakeMonitorSource final : public MonitorSource {
 public:
  std::optional<MonitorOfWindow> monitorOf(WindowId) override { return monitor; }
  std::optional<std::u16string> deviceIdOf(std::u16string_view name) override {
    askedDeviceNames.emplace_back(name);
    return deviceId;
  }
  std::optional<unsigned> monitorDpi(const MonitorOfWindow&) override { return dpi; }
  int windowDpi(WindowId) override { return taskbarDpi; }

  // Puts the clock on a monitor of this rectangle and device id.
  void placeOn(MonitorRect rect, std::u16string id = u"MONITOR\\ABC1234\\{guid}\\0001") {
    monitor = MonitorOfWindow{0x10001, rect, u"\\\\.\\DISPLAY1"};
    deviceId = std::move(id);
  }

  std::optional<MonitorOfWindow> monitor;
  std::optional<std::u16string> deviceId;
  std::optional<unsigned> dpi;
  int taskbarDpi = 96;
  std::vector<std::u16string> askedDeviceNames;
};

}  // namespace zembrik::testing
