#include "options/page_alarms_win32.h"

#include "options/page_alarms_ids.h"

namespace zembrik {

CTabAlarms::CTabAlarms(OptionsContext& context) : C_BaseTab(context, IDD_PAGE_ALARMS) {}

}  // namespace zembrik
