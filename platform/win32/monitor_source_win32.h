#pragma once
// The monitor source over user32 and Shcore.
#include "engine/settings/monitor_source.h"

namespace zembrik {

class Win32MonitorSource final : public MonitorSource {
 public:
  std::optional<MonitorOfWindow> monitorOf(WindowId window) override;
  std::optional<std::u16string> deviceIdOf(std::u16string_view deviceName) override;
  std::optional<unsigned> monitorDpi(const MonitorOfWindow& monitor) override;
  int windowDpi(WindowId window) override;
};

}  // namespace zembrik
