#pragma once
// The "PerfMeter" page of the options program.
#include "options/base_tab_win32.h"

namespace zembrik {

class CTabPerf : public C_BaseTab {
 public:
  explicit CTabPerf(OptionsContext& context);
};

}  // namespace zembrik
