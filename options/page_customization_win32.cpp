#include "options/page_customization_win32.h"

#include "options/page_customization_ids.h"

namespace zembrik {

CTabCustom::CTabCustom(OptionsContext& context) : C_BaseTab(context, IDD_PAGE_CUSTOMIZATION) {}

}  // namespace zembrik
