#pragma once
// The "Time Zones" page of the options program.
#include "options/base_tab_win32.h"

namespace zembrik {

class CTabTZones : public C_BaseTab {
 public:
  explicit CTabTZones(OptionsContext& context);
};

}  // namespace zembrik
