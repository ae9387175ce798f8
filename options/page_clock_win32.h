#pragma once
// The "Clock" page of the options program.
#include "options/base_tab_win32.h"

namespace zembrik {

class CTabClock : public C_BaseTab {
 public:
  explicit CTabClock(OptionsContext& context);
};

}  // namespace zembrik
