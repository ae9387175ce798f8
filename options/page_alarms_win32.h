#pragma once
// The "Alarms" page of the options program.
#include "options/base_tab_win32.h"

namespace zembrik {

class CTabAlarms : public C_BaseTab {
 public:
  explicit CTabAlarms(OptionsContext& context);
};

}  // namespace zembrik
