#pragma once
// The meters' system readings from kernel32.
#include "engine/meters/system_load.h"

namespace zembrik {

class SystemLoadWin32 final : public SystemLoad {
 public:
  std::optional<std::uint32_t> memoryLoad() override;
  std::optional<CpuTimes> systemTimes() override;
  std::optional<PowerStatus> powerStatus() override;
};

}  // namespace zembrik
