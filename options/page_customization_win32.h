#pragma once
// The "Customization" page of the options program.
#include "options/base_tab_win32.h"

namespace zembrik {

class CTabCustom : public C_BaseTab {
 public:
  explicit CTabCustom(OptionsContext& context);
};

}  // namespace zembrik
