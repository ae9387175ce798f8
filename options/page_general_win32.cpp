#include "options/page_general_win32.h"

#include "options/page_general_ids.h"

namespace zembrik {

CTabMain::CTabMain(OptionsContext& context) : C_BaseTab(context, IDD_PAGE_GENERAL) {}

}  // namespace zembrik
