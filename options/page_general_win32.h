#pragma once
// The "General" page of the options program.
#include "options/base_tab_win32.h"

namespace zembrik {

class CTabMain : public C_BaseTab {
 public:
  explicit CTabMain(OptionsContext& context);
};

}  // namespace zembrik
